// The red of a run that could not be sized, in the tree and the status bar:
// the diagram's, dark enough to read at 4.5:1 on white and on the window's
// grey.
#pragma once

#include <QColor>

#include "reports/diagram_canvas.h"

namespace cv::ui {

inline QColor FailedRunColour() {
  return QColor(kDiagramFailed.red, kDiagramFailed.green, kDiagramFailed.blue);
}

}  // namespace cv::ui
