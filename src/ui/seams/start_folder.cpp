#include "ui/seams/start_folder.h"

#include <QDir>
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

}  // namespace cv::ui
