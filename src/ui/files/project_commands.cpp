#include "ui/files/project_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "core/errors.h"
#include "project/document.h"
#include "sizing/units.h"
#include "supply/supply_panel_values.h"
#include "ui/editor/project_editor.h"
#include "ui/files/recent_files.h"
#include "ui/panels/supply_panel.h"
#include "ui/seams/busy_cursor.h"
#include "ui/seams/dialog_paths.h"
#include "ui/seams/overwrite_question.h"

namespace cv::ui {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

ProjectCommands::ProjectCommands(ProjectEditor& editor, ProjectWindow window, SupplyPanel& panel,
                                 FileDialogs& files)
    : QObject(window.window),
      editor_(editor),
      window_(std::move(window)),
      panel_(panel),
      files_(files) {
  setObjectName(QStringLiteral("ProjectCommands"));
}

void ProjectCommands::ShowProjectCaption() {
  // The name part is empty when no file exists at the path.
  const QFileInfo file(QFile::decodeName(editor_.Path().c_str()));
  window_.setCaption(QString::fromLatin1(kCaptionPrefix) +
                     (file.exists() ? file.fileName() : QString()));
}

void ProjectCommands::ShowFailure(const std::string& text) {
  window_.messages->Show({text, "Error", MessageButtons::Ok, MessageIcon::None});
}

bool ProjectCommands::OfferToSave() {
  if (!editor_.Modified()) return true;
  const MessageAnswer answer =
      window_.messages->Show({"Would you like to save your current project?", "Save Project?",
                              MessageButtons::YesNoCancel, MessageIcon::None});
  if (answer == MessageAnswer::Cancel) return false;
  // A save that failed or whose file dialog was cancelled stops the
  // command, so the changes the user wanted to keep stay open.
  if (answer == MessageAnswer::Yes) return Save() == SaveOutcome::Saved;
  return true;
}

bool ProjectCommands::MayLeaveProject() {
  if (!editor_.SettlePendingEdits()) return false;
  return OfferToSave();
}

bool ProjectCommands::MayClose() { return MayLeaveProject(); }

void ProjectCommands::StartNewProject() {
  // A new document is English whatever the last project was.
  window_.resetToNewProject();
  panel_.ResetForNewProject();
  // Nothing of the last project stays in view: its status line, its list.
  window_.status({});
  window_.refreshMaterialList();
}

void ProjectCommands::NewProject() {
  if (!MayLeaveProject()) return;
  StartNewProject();
}

void ProjectCommands::OpenProject() {
  if (!MayLeaveProject()) return;
  const std::optional<QString> chosen =
      files_.OpenFileName(window_.window, tr("Open"), kProjectFilters, 1);
  if (!chosen) return;
  OpenFile(*chosen);
}

void ProjectCommands::OpenFile(const QString& path) {
  window_.status({});
  editor_.SetPath(LocalPath(path));
  ShowProjectCaption();
  panel_.txtMetricSupplyPressureDrop->clear();
  panel_.txtMetricInternalPressureDrop->clear();
  try {
    LoadProjectFile(editor_.Path());
  } catch (const CvError& e) {
    ShowFailure("There was an error opening the project:\n\n" + e.description());
    // Never a half-filled panel or tree over the document: start afresh,
    // without the failed file's path.
    StartNewProject();
  }
  editor_.StartHistory();
  // A file that could not be loaded left a new project without a path.
  if (!editor_.Path().empty()) emit projectFileUsed(path);
}

void ProjectCommands::OpenRecent(const QString& path) {
  if (MayLeaveProject()) OpenFile(path);
}

void ProjectCommands::LoadProjectFile(const std::string& path) {
  window_.clearTree();
  pugi::xml_document loaded;
  const LoadResult result = LoadDocumentFile(loaded, path);
  if (result.status == LoadStatus::Refused)
    WithContext("modGlobals.XMLOnTreeView", [&] { Raise(kErrInvalidArgument, result.reason); });
  if (!result) {
    window_.messages->Show(
        {"Error loading project file \"" + path + "\"\n\nA new project will be opened.", "Error",
         MessageButtons::Ok, MessageIcon::Exclamation});
    StartNewProject();
    return;
  }
  WithContext("modGlobals.XMLOnTreeView", [&] { ShowLoadedProject(std::move(loaded)); });
  if (!result.notes.empty())
    window_.messages->Show(
        {JoinLines(result.notes), "", MessageButtons::Ok, MessageIcon::Information});
}

void ProjectCommands::ShowLoadedProject(pugi::xml_document&& loaded) {
  // Everything the panel shows is read before anything changes, so a
  // document that cannot be read leaves the current project as it was.
  const SupplyPanelValues values = SupplyPanelFromDocument(loaded);
  editor_.Doc() = std::move(loaded);
  panel_.ShowLoaded(values);
  BusyCursor busy;
  window_.showLoadedProject();
}

bool ProjectCommands::WriteProjectFile(const std::string& path) {
  try {
    SaveDocumentFile(editor_.Doc(), path);
    return true;
  } catch (const CvError& e) {
    ShowFailure("There was an error saving the project:\n\n" + e.description());
    return false;
  }
}

ProjectCommands::SaveOutcome ProjectCommands::Save() {
  if (editor_.Path().empty()) return SaveAs();
  if (!WriteProjectFile(editor_.Path())) return SaveOutcome::Failed;
  Saved();
  return SaveOutcome::Saved;
}

ProjectCommands::SaveOutcome ProjectCommands::SaveAs() {
  const std::optional<SaveChoice> dialogName =
      files_.SaveFileName(window_.window, tr("Save As"), kProjectFilters, 1,
                          ProposedName(editor_.Path(), QStringLiteral(".cv")));
  if (!dialogName) return SaveOutcome::Cancelled;
  const QString chosen = WithProjectExtension(dialogName->name);
  const std::string path = LocalPath(chosen);
  if (!MayWriteOver(*window_.messages, chosen)) return SaveOutcome::Cancelled;
  // The project keeps its old path when the new file could not be written.
  if (!WriteProjectFile(path)) return SaveOutcome::Failed;
  editor_.SetPath(path);
  Saved();
  return SaveOutcome::Saved;
}

void ProjectCommands::Saved() {
  ShowProjectCaption();
  editor_.MarkSaved();
  const QString path = QFile::decodeName(editor_.Path().c_str());
  window_.status(tr("Saved %1").arg(QFileInfo(path).fileName()));
  emit projectFileUsed(path);
}

void ProjectCommands::SaveProject() { Save(); }

void ProjectCommands::SaveProjectAs() { SaveAs(); }

}  // namespace cv::ui
