// The recent projects of the File menu: the last eight project files opened
// or saved, most recent first, kept with QSettings between runs.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

#include "core/messages.h"

class QAction;
class QWidget;

namespace cv::ui {

class ProjectCommands;

inline constexpr int kRecentFileCount = 8;

// The list as kept in the program's settings.
QStringList RecentFiles();
// Puts the path in front, once, and drops what falls off the end.
void UseRecentFile(const QString& path);
void ForgetRecentFile(const QString& path);

// The name Save As stores under: ".cv" is added to a name chosen without an
// extension (a dot after the first character of the file name), so that
// Open lists the file; any other name is kept as chosen.
QString WithProjectExtension(const QString& chosen);

// The File menu's entries "&1 house.cv" ... above "E&xit"; choosing one
// opens that project (after the offer to save). A project that is no longer
// there is offered for removal from the list.
class RecentFilesMenu : public QObject {
  Q_OBJECT

 public:
  // Becomes the window's child and finds the File menu in it; the messages
  // and the commands must outlive it.
  RecentFilesMenu(QWidget& window, cv::MessageSink& messages, ProjectCommands& commands);

  void OpenEntry(const QString& path);

 private:
  void Rebuild();

  QWidget& window_;
  cv::MessageSink& messages_;
  ProjectCommands& commands_;
  QList<QAction*> entries_;
};

}  // namespace cv::ui
