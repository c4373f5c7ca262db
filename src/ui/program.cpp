#include "ui/program.h"

#include "ui/main_window.h"
#include "ui/project_commands.h"
#include "ui/small_windows.h"

namespace cv::ui {

void WireControllers(MainWindow& window, Seams& seams) {
  // One line per controller.
  InstallProjectControllers(window, seams);
  AttachPrintingAndHelp(window, seams);
}

}  // namespace cv::ui
