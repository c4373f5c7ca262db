#include "support/recording_messages.h"

namespace cvtest {

cv::MessageAnswer RecordingMessages::Show(const cv::Message& message) {
  shown_.push_back(message);
  const bool question = message.buttons == cv::MessageButtons::YesNo ||
                        message.buttons == cv::MessageButtons::YesNoCancel;
  return NextAnswer(answers_, question ? cv::MessageAnswer::Yes : cv::MessageAnswer::Ok);
}

std::vector<std::string> RecordingMessages::Texts() const {
  std::vector<std::string> texts;
  for (const cv::Message& m : shown_) texts.push_back(m.text);
  return texts;
}

std::string RecordingMessages::AsPrinted() const {
  std::string printed;
  for (const cv::Message& m : shown_) printed += m.EffectiveTitle() + ": " + m.text + "\n";
  return printed;
}

}  // namespace cvtest
