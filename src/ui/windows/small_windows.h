// The splash, help and About windows around the main window: the start-up
// shows the splash and then the help; the Help menu shows the help and the
// About window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include "ui/seams/dialogs.h"

namespace cv::ui {

class MainWindow;
class HelpWindow;
class SplashWindow;

// Where the help opens at start-up, never over the tree: right of the main
// window when the screen has room, else as far right as it goes but right
// of the tree's right edge, narrowed to the screen. Global coordinates.
QRect StartUpHelpPlace(const QRect& window, int treeRight, const QSize& help, const QRect& screen);

class SmallWindows : public QObject {
  Q_OBJECT

 public:
  // Becomes the window's child, sets its splash and help hooks and connects
  // "How to use" and "About"; the seams must outlive it.
  SmallWindows(MainWindow& window, const Seams& seams);

  // Start-up: the splash, modal over the whole program. The call returns at
  // once; the help of ShowStartUpHelp waits until the splash is left.
  void ShowSplash();
  // Start-up: the help window beside the tree, once the splash is gone,
  // unless the user asked not to see it at start-up.
  void ShowStartUpHelp();

  void Howto_Click();
  void About_Click();

  // The splash while it is open, else nullptr.
  SplashWindow* Splash() const;
  // The help window, or nullptr before it was first shown.
  HelpWindow* Help() const;

 private:
  HelpWindow* ShowHelp();

  MainWindow& window_;
  Seams seams_;
  QPointer<SplashWindow> splash_;
  QPointer<HelpWindow> help_;
};

// Creates the print commands and the small windows' controller for the
// main window; both live as long as the window.
void AttachPrintingAndHelp(MainWindow& window, const Seams& seams);

}  // namespace cv::ui
