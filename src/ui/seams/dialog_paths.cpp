#include "ui/seams/dialog_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace cv::ui {
namespace {

const QString kFolderKey = QStringLiteral("lastFolder");

}  // namespace

QString StartFolder() {
  const QString folder = QSettings().value(kFolderKey).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void KeepFolderOf(const QString& file) {
  QSettings().setValue(kFolderKey, QFileInfo(file).absolutePath());
}

QString ProposedName(const std::string& projectPath, const QString& suffix) {
  const QString name = projectPath.empty()
                           ? QStringLiteral("New Project")
                           : QFileInfo(QFile::decodeName(projectPath.c_str())).completeBaseName();
  return name + suffix;
}

}  // namespace cv::ui
