// The menus of the main window: the menu bar (File, Edit, Help) and the
// tree's pop-up menu. Every entry is found by its control name; entries
// whose commands a controller provides say "... is not available yet."
// until that controller replaces the connection.
#pragma once

#include <QKeySequence>
#include <QString>
#include <map>

class QAction;
class QMainWindow;
class QMenu;

namespace cv {
class MessageSink;
}

namespace cv::ui {

class ProjectEditor;

class WindowMenus {
 public:
  // Builds the menus into the window's menu bar; the Edit menu's entries
  // follow the editor's history.
  WindowMenus(QMainWindow& window, ProjectEditor& editor, MessageSink& messages);

  // The entry of that control name ("Save", "mnuTreeClickAddNewAppliance"...),
  // or nullptr.
  QAction* Action(const QString& name) const;
  QMenu* TreePopup() const noexcept { return treePopup_; }

 private:
  void Add(QMenu* menu, const QString& name, const QString& caption,
           const QKeySequence& shortcut = {});
  void BuildFileMenu(QMainWindow& window);
  void BuildEditMenu(QMainWindow& window, ProjectEditor& editor, MessageSink& messages);
  void BuildHelpMenu(QMainWindow& window);
  void SayNotAvailable(QMainWindow& window, MessageSink& messages);

  std::map<QString, QAction*> actions_;
  QMenu* treePopup_ = nullptr;
};

}  // namespace cv::ui
