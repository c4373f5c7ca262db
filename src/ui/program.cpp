#include "ui/program.h"

#include "ui/main_window.h"

namespace cv::ui {

void WireControllers(MainWindow& window, Seams& seams) {
  // One line per controller.
  (void)window;
  (void)seams;
}

}  // namespace cv::ui
