// The question before a command writes over a file that exists (the
// project's Save As, the drawing exports): the dialogs themselves do not
// ask it.
#pragma once

#include <QString>

#include "core/messages.h"

namespace cv::ui {

// True when no file has that name, or when the user answers Yes to
// "Overwrite file '...'?"; No or closing the box keeps the file.
bool MayWriteOver(cv::MessageSink& messages, const QString& path);

}  // namespace cv::ui
