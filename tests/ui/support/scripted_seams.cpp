#include "scripted_seams.h"

#include <QPrinter>

namespace cv::ui::test {

std::optional<QString> ScriptedFileDialogs::Next(Request request) {
  requests_.push_back(std::move(request));
  if (answers_.empty()) return std::nullopt;
  const Scripted answer = answers_.front();
  answers_.pop_front();
  if (answer.cancel) return std::nullopt;
  return answer.name;
}

std::optional<QString> ScriptedFileDialogs::OpenFileName(QWidget*, const QString& caption,
                                                         const QStringList& filters,
                                                         int selectedFilter) {
  return Next({false, caption, filters, selectedFilter});
}

std::optional<QString> ScriptedFileDialogs::SaveFileName(QWidget*, const QString& caption,
                                                         const QStringList& filters,
                                                         int selectedFilter) {
  return Next({true, caption, filters, selectedFilter});
}

bool ScriptedPrinterDialogs::Next() {
  if (answers_.empty()) return true;
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedPrinterDialogs::PrintSetup(QWidget*, QPrinter&) {
  ++setups_;
  return Next();
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
