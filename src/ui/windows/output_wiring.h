// The output commands (print, export) attached to the main window: they
// read the window's project through an output context.
#pragma once

#include "ui/output/output_context.h"

namespace cv::ui {

class MainWindow;

OutputContext OutputContextOf(MainWindow& window);
// "Export Calculations..." and "Export Diagram..." of the File menu.
void ConnectExportCommands(MainWindow& window);
// The Print submenu; the commands live as long as the window.
void AttachPrintCommands(MainWindow& window);

}  // namespace cv::ui
