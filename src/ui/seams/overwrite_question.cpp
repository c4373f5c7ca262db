#include "ui/seams/overwrite_question.h"

#include <QFileInfo>

namespace cv::ui {

bool MayWriteOver(cv::MessageSink& messages, const QString& path) {
  if (!QFileInfo::exists(path)) return true;
  return messages.Show({"Overwrite file '" + path.toStdString() + "'?", "Confirm save",
                        MessageButtons::YesNo, MessageIcon::None}) == MessageAnswer::Yes;
}

}  // namespace cv::ui
