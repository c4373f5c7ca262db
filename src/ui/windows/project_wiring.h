// The supply panel and the file commands attached to the main window.
#pragma once

#include <QStringList>

#include "ui/seams/dialogs.h"

namespace cv::ui {

class MainWindow;

// Puts the supply panel on the "System Setup" page and connects the file
// commands to the menus and to the window's start-up and close.
void InstallProjectControllers(MainWindow& window, Seams& seams);

// Opens the first argument after the program name when it names a file
// (as a file manager passes a project it opens).
void OpenCommandLineProject(MainWindow& window, const QStringList& arguments);

}  // namespace cv::ui
