#include "ui/windows/program.h"

#include "ui/windows/main_window.h"
#include "ui/windows/project_wiring.h"
#include "ui/windows/small_windows.h"

namespace cv::ui {

void WireControllers(MainWindow& window, Seams& seams) {
  // One line per controller.
  InstallProjectControllers(window, seams);
  AttachPrintingAndHelp(window, seams);
}

}  // namespace cv::ui
