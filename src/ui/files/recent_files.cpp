#include "ui/files/recent_files.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "ui/files/project_commands.h"
#include "ui/seams/dialog_paths.h"
#include "ui/seams/guarded.h"

namespace cv::ui {
namespace {

const QString kRecentKey = QStringLiteral("recentProjects");

void KeepRecentFiles(const QStringList& paths) { QSettings().setValue(kRecentKey, paths); }

}  // namespace

QStringList RecentFiles() { return QSettings().value(kRecentKey).toStringList(); }

void UseRecentFile(const QString& path) {
  KeepFolderOf(path);
  QStringList paths = RecentFiles();
  paths.removeAll(path);
  paths.prepend(path);
  KeepRecentFiles(paths.mid(0, kRecentFileCount));
}

void ForgetRecentFile(const QString& path) {
  QStringList paths = RecentFiles();
  paths.removeAll(path);
  KeepRecentFiles(paths);
}

QString WithProjectExtension(const QString& chosen) {
  return QFileInfo(chosen).fileName().lastIndexOf(QLatin1Char('.')) > 0
             ? chosen
             : chosen + QStringLiteral(".cv");
}

RecentFilesMenu::RecentFilesMenu(QWidget& window, cv::MessageSink& messages,
                                 ProjectCommands& commands)
    : QObject(&window), window_(window), messages_(messages), commands_(commands) {
  setObjectName(QStringLiteral("RecentFilesMenu"));
  connect(&commands, &ProjectCommands::projectFileUsed, this, [this](const QString& path) {
    UseRecentFile(path);
    Rebuild();
  });
  Rebuild();
}

void RecentFilesMenu::Rebuild() {
  QAction* exitSeparator = window_.findChild<QAction*>(QStringLiteral("Sep3"));
  auto* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"));
  if (!exitSeparator || !file) return;
  qDeleteAll(entries_);
  entries_.clear();
  const QStringList paths = RecentFiles();
  if (!paths.isEmpty()) entries_.append(file->insertSeparator(exitSeparator));
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths.at(i);
    auto* entry =
        new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), file);
    entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
    entry->setToolTip(path);
    entry->setStatusTip(path);
    connect(entry, &QAction::triggered, this,
            [this, path] { RunGuarded(messages_, [&] { OpenEntry(path); }); });
    file->insertAction(exitSeparator, entry);
    entries_.append(entry);
  }
}

void RecentFilesMenu::OpenEntry(const QString& path) {
  if (QFileInfo::exists(path)) {
    commands_.OpenRecent(path);
    return;
  }
  const std::string text = "The project '" + path.toStdString() +
                           "' cannot be found.\n\nRemove it from the recent projects?";
  if (messages_.Show({text, "Recent Projects", MessageButtons::YesNo, MessageIcon::Exclamation}) !=
      MessageAnswer::Yes)
    return;
  ForgetRecentFile(path);
  Rebuild();
}

}  // namespace cv::ui
