#include "scripted_seams.h"

#include <QPrinter>

namespace cv::ui::test {

std::optional<QString> ScriptedFileDialogs::Next(Request request) {
  requests_.push_back(std::move(request));
  if (answers_.empty()) return std::nullopt;
  const std::optional<QString> answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedPrinterDialogs::Next() {
  if (answers_.empty()) return true;
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedPrinterDialogs::ConfirmPrint(QWidget*, QPrinter& printer) {
  ++confirms_;
  proposedFile_ = printer.outputFileName();
  if (!chosenFile_.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(chosenFile_);
  }
  return Next();
}

}  // namespace cv::ui::test
