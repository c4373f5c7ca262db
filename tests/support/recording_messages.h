// A message sink that records what the core shows and answers from a script,
// so tests can check the texts instead of seeing boxes.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/messages.h"

namespace cvtest {

// Takes the next answer off a script; otherwise when the script is empty.
template <typename T>
T NextAnswer(std::deque<T>& script, T otherwise) {
  if (script.empty()) return otherwise;
  const T answer = script.front();
  script.pop_front();
  return answer;
}

class RecordingMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override;

  // Answers for the next messages, in order; when none is left, Ok is
  // answered (Yes for yes/no questions).
  void Answer(cv::MessageAnswer answer) { answers_.push_back(answer); }

  const std::vector<cv::Message>& Shown() const noexcept { return shown_; }
  const cv::Message& Last() const { return shown_.back(); }
  std::vector<std::string> Texts() const;
  // Each message as corvanta-size prints it: "title: text" and a line break.
  std::string AsPrinted() const;
  void Clear() noexcept { shown_.clear(); }

 private:
  std::vector<cv::Message> shown_;
  std::deque<cv::MessageAnswer> answers_;
};

}  // namespace cvtest
