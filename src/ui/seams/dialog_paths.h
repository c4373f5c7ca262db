// Where the file dialogs start and the name they offer.
//
// The folder the file dialogs start in: that of the file last chosen in one
// of them or of the project last opened or saved, in this run or an earlier
// one; at first, or when that folder is gone, the home folder. Kept with
// QSettings between runs.
#pragma once

#include <QString>
#include <string>

namespace cv::ui {

QString StartFolder();
void KeepFolderOf(const QString& file);

// The name a save dialog offers for a file made from the project: the
// project file's name without its extension ("New Project" for one never
// saved), then the suffix (".cv", ".xlsx").
QString ProposedName(const std::string& projectPath, const QString& suffix);

}  // namespace cv::ui
