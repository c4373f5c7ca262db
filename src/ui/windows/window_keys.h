// The main window by keyboard and for a screen reader.
#pragma once

namespace cv::ui {

class MainWindow;

// Alt keys, page keys and screen-reader names of the window's own controls.
void GiveAccessKeys(MainWindow& window);

}  // namespace cv::ui
