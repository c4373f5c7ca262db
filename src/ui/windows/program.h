// Puts the window program together: the controllers of the other parts of
// the program (supply panel, file commands, printing, small windows) attach
// themselves to the main window here.
#pragma once

#include "ui/seams/dialogs.h"

namespace cv::ui {

class MainWindow;

// Wires every controller to the window; called once, before StartUp.
void WireControllers(MainWindow& window, Seams& seams);

}  // namespace cv::ui
