// The file commands: New, Open, Save, Save As and the offer to save when the
// window closes, and the loading of a project file into the document, the
// supply panel and the tree. They own ProjectPath and clear ProjectModified.
//
// Saving writes a temporary file beside the target and replaces the target
// only once the new file is complete, so a failed save keeps the old file.
// A file that cannot be loaded is reported and gives a new project; the path
// of the failed file is dropped first, so nothing is ever saved over it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <pugixml.hpp>
#include <string>

#include "ui/files/project_window.h"
#include "ui/seams/dialogs.h"

namespace cv::ui {

class ProjectEditor;
class SupplyPanel;

inline constexpr const char* kCaptionPrefix = "CORVANTA Sizing Application - ";

class ProjectCommands : public QObject {
  Q_OBJECT

 public:
  // Lives as a child of the window; the editor, the panel and the dialogs
  // must outlive it.
  ProjectCommands(ProjectEditor& editor, ProjectWindow window, SupplyPanel& panel,
                  FileDialogs& files);

  void NewProject();
  void OpenProject();
  void SaveProject();
  void SaveProjectAs();
  // The window's unload: the offer to save; false keeps the window open.
  bool MayClose();
  // New, Open and Exit first settle the edits the panel still holds; false
  // from the hook cancels the command. Unset: nothing to settle.
  // Opens a file chosen from the recent projects: the offer to save first.
  void OpenRecent(const QString& path);
  // Opens a file without the offer or the dialog (a file named on the
  // command line at start-up).
  void OpenFile(const QString& path);
  // Loads the file into the document, the supply panel and the tree. A file
  // that is missing or not well-formed is reported and gives a new project;
  // any other failure is passed on with the loader's name in front.
  void LoadProjectFile(const std::string& path);

 signals:
  // A project file was opened or saved under this path.
  void projectFileUsed(const QString& path);

 private:
  enum class SaveOutcome { Saved, Cancelled, Failed };
  SaveOutcome Save();
  SaveOutcome SaveAs();
  // False when the user cancelled, or when the project was not saved.
  bool OfferToSave();
  // The settling of panel edits, then the offer to save.
  bool MayLeaveProject();
  void Saved();
  bool WriteProjectFile(const std::string& path);
  void StartNewProject();
  void ShowLoadedProject(pugi::xml_document&& loaded);
  void ShowProjectCaption();
  void ShowFailure(const std::string& text);

  ProjectEditor& editor_;
  ProjectWindow window_;
  SupplyPanel& panel_;
  FileDialogs& files_;
};

}  // namespace cv::ui
