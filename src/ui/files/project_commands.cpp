#include "ui/files/project_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>

#include "core/errors.h"
#include "project/document.h"
#include "sizing/units.h"
#include "supply/supply_panel_values.h"
#include "ui/files/recent_files.h"
#include "ui/panels/supply_panel.h"
#include "ui/seams/busy_cursor.h"
#include "ui/seams/dialog_paths.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

ProjectCommands::ProjectCommands(MainWindow& window, SupplyPanel& panel, FileDialogs& files)
    : QObject(&window), window_(window), panel_(panel), files_(files) {
  setObjectName(QStringLiteral("ProjectCommands"));
}

void ProjectCommands::ShowProjectCaption() {
  // The name part is empty when no file exists at the path.
  const QFileInfo file(QFile::decodeName(window_.State().ProjectPath.c_str()));
  window_.SetCaption(QString::fromLatin1(kCaptionPrefix) +
                     (file.exists() ? file.fileName() : QString()));
}

void ProjectCommands::ShowFailure(const std::string& text) {
  window_.Messages().Show({text, "Error", MessageButtons::Ok, MessageIcon::None});
}

bool ProjectCommands::OfferToSave() {
  if (!window_.ProjectModified()) return true;
  const MessageAnswer answer =
      window_.Messages().Show({"Would you like to save your current project?", "Save Project?",
                               MessageButtons::YesNoCancel, MessageIcon::None});
  if (answer == MessageAnswer::Cancel) return false;
  // A save that failed or whose file dialog was cancelled stops the
  // command, so the changes the user wanted to keep stay open.
  if (answer == MessageAnswer::Yes) return Save() == SaveOutcome::Saved;
  return true;
}

bool ProjectCommands::MayLeaveProject() {
  if (!window_.ResolvePendingPanelEdits()) return false;
  return OfferToSave();
}

bool ProjectCommands::MayClose() { return MayLeaveProject(); }

void ProjectCommands::StartNewProject() {
  // A new document is English whatever the last project was.
  window_.ResetToNewProject();
  window_.SetUnitLabels();
  panel_.ResetForNewProject();
  // Nothing of the last project stays in view: its status line, its list.
  window_.statusBar()->clearMessage();
  window_.RefreshMaterialList();
}

void ProjectCommands::NewProject() {
  if (!MayLeaveProject()) return;
  StartNewProject();
}

void ProjectCommands::OpenProject() {
  if (!MayLeaveProject()) return;
  const std::optional<QString> chosen =
      files_.OpenFileName(&window_, tr("Open"), kProjectFilters, 1);
  if (!chosen) return;
  OpenFile(*chosen);
}

void ProjectCommands::OpenFile(const QString& path) {
  window_.statusBar()->clearMessage();
  window_.State().ProjectPath = LocalPath(path);
  ShowProjectCaption();
  panel_.txtMetricSupplyPressureDrop->clear();
  panel_.txtMetricInternalPressureDrop->clear();
  try {
    LoadProjectFile(window_.State().ProjectPath);
  } catch (const CvError& e) {
    ShowFailure("There was an error opening the project:\n\n" + e.description());
    // Never a half-filled panel or tree over the document: start afresh,
    // without the failed file's path.
    StartNewProject();
  }
  window_.StartHistory();
  // A file that could not be loaded left a new project without a path.
  if (!window_.State().ProjectPath.empty()) emit projectFileUsed(path);
}

void ProjectCommands::OpenRecent(const QString& path) {
  if (MayLeaveProject()) OpenFile(path);
}

void ProjectCommands::LoadProjectFile(const std::string& path) {
  window_.ClearTree();
  pugi::xml_document loaded;
  const LoadResult result = LoadDocumentFile(loaded, path);
  if (result.status == LoadStatus::Refused)
    WithContext("modGlobals.XMLOnTreeView", [&] { Raise(kErrInvalidArgument, result.reason); });
  if (!result) {
    window_.Messages().Show(
        {"Error loading project file \"" + path + "\"\n\nA new project will be opened.", "Error",
         MessageButtons::Ok, MessageIcon::Exclamation});
    StartNewProject();
    return;
  }
  WithContext("modGlobals.XMLOnTreeView", [&] { ShowLoadedProject(std::move(loaded)); });
  if (!result.notes.empty())
    window_.Messages().Show(
        {JoinLines(result.notes), "", MessageButtons::Ok, MessageIcon::Information});
}

void ProjectCommands::ShowLoadedProject(pugi::xml_document&& loaded) {
  // Everything the panel shows is read before anything changes, so a
  // document that cannot be read leaves the current project as it was.
  const SupplyPanelValues values = SupplyPanelFromDocument(loaded);
  window_.Document() = std::move(loaded);
  panel_.ShowLoaded(values);
  window_.SetUnitLabels();
  BusyCursor busy;
  window_.RunCalculation();
  window_.RefreshMaterialList();
  window_.BuildTreeFromDocument();
  window_.NetTree()->FitColumnsToContents();
  window_.ClickNode(window_.GasSupplyItem());
}

bool ProjectCommands::WriteProjectFile(const std::string& path) {
  try {
    SaveDocumentFile(window_.Document(), path);
    return true;
  } catch (const CvError& e) {
    ShowFailure("There was an error saving the project:\n\n" + e.description());
    return false;
  }
}

ProjectCommands::SaveOutcome ProjectCommands::Save() {
  ProgramState& state = window_.State();
  if (state.ProjectPath.empty()) return SaveAs();
  if (!WriteProjectFile(state.ProjectPath)) return SaveOutcome::Failed;
  Saved();
  return SaveOutcome::Saved;
}

ProjectCommands::SaveOutcome ProjectCommands::SaveAs() {
  const std::optional<QString> dialogName =
      files_.SaveFileName(&window_, tr("Save As"), kProjectFilters, 1,
                          ProposedName(window_.State().ProjectPath, QStringLiteral(".cv")));
  if (!dialogName) return SaveOutcome::Cancelled;
  const QString chosen = WithProjectExtension(*dialogName);
  const std::string path = LocalPath(chosen);
  if (QFileInfo::exists(chosen)) {
    const MessageAnswer answer =
        window_.Messages().Show({"Overwrite file '" + chosen.toStdString() + "'?", "Confirm save",
                                 MessageButtons::YesNo, MessageIcon::None});
    if (answer != MessageAnswer::Yes) return SaveOutcome::Cancelled;
  }
  // The project keeps its old path when the new file could not be written.
  if (!WriteProjectFile(path)) return SaveOutcome::Failed;
  window_.State().ProjectPath = path;
  Saved();
  return SaveOutcome::Saved;
}

void ProjectCommands::Saved() {
  ShowProjectCaption();
  window_.MarkSaved();
  const QString path = QFile::decodeName(window_.State().ProjectPath.c_str());
  window_.ConfirmInStatusBar(tr("Saved %1").arg(QFileInfo(path).fileName()));
  emit projectFileUsed(path);
}

void ProjectCommands::SaveProject() { Save(); }

void ProjectCommands::SaveProjectAs() { SaveAs(); }

}  // namespace cv::ui
