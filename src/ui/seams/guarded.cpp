#include "ui/seams/guarded.h"

#include <exception>

namespace cv::ui {

void ReportError(cv::MessageSink& messages, const CvError& error) {
  messages.Show({StandardErrorText(error), "", MessageButtons::Ok});
}

void RunGuarded(cv::MessageSink& messages, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const CvError& e) {
    ReportError(messages, e);
  } catch (const std::exception& e) {
    ReportError(messages, CvError(kErrInvalidArgument, e.what()));
  }
}

}  // namespace cv::ui
