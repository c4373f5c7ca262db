#include "scripted_seams.h"

namespace cv::ui::test {

cv::MessageAnswer ScriptedMessageSink::Show(const cv::Message& message) {
  shown_.push_back(message);
  if (!answers_.empty()) {
    cv::MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  const bool yesFirst = message.buttons == cv::MessageButtons::YesNo ||
                        message.buttons == cv::MessageButtons::YesNoCancel;
  return yesFirst ? cv::MessageAnswer::Yes : cv::MessageAnswer::Ok;
}

std::vector<std::string> ScriptedMessageSink::Texts() const {
  std::vector<std::string> texts;
  for (const cv::Message& m : shown_) texts.push_back(m.text);
  return texts;
}

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

bool ScriptedPrinterDialogs::ConfirmPrint(QWidget*, QPrinter&) {
  ++confirms_;
  return Next();
}

}  // namespace cv::ui::test
