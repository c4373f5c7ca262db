// The folder the file dialogs start in: that of the file last chosen in one
// of them or of the project last opened or saved, in this run or an earlier
// one; at first, or when that folder is gone, the home folder. Kept with
// QSettings between runs.
#pragma once

#include <QString>

namespace cv::ui {

QString StartFolder();
void KeepFolderOf(const QString& file);

}  // namespace cv::ui
