// Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y) in a text box take back the box's own
// typing; a box that holds none of its own to take back lets the keys reach
// the window's Undo and Redo, which act on the project.
#pragma once

class QWidget;

namespace cv::ui {

// Applies this to every text box below root (the boxes that exist now).
void PassUndoKeysWhenBoxHasNone(QWidget* root);

}  // namespace cv::ui
