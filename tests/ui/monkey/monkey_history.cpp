#include "monkey_history.h"

#include <QUndoStack>

#include "project/document.h"
#include "ui/main_window.h"

namespace cv::ui::monkey {

History::History(MainWindow& window) : window_(window) {
  stack_ = window.findChild<QUndoStack*>();
  if (!stack_) return;
  texts_.resize(stack_->count() + 1);
  texts_[stack_->index()] = Text();
  following_ = QObject::connect(stack_, &QUndoStack::indexChanged,
                                [this](int index) { IndexChanged(index); });
}

History::~History() { QObject::disconnect(following_); }

std::string History::Text() const { return SerializeDocument(window_.Document()); }

// A new step (or a redo to the top) is recorded; when the bounded history
// dropped its oldest step, the texts move down with it.
void History::IndexChanged(int index) {
  if (checking_) return;
  const int count = stack_->count();
  const QUndoCommand* oldest = count > 0 ? stack_->command(0) : nullptr;
  if (oldest_ && oldest != oldest_ && count == stack_->undoLimit() && index == count &&
      !texts_.empty())
    texts_.erase(texts_.begin());
  oldest_ = oldest;
  texts_.resize(count + 1);
  if (index == count) texts_[index] = Text();
}

void History::AfterEvent() {
  if (stack_ && stack_->count() == 0) texts_ = {Text()};
}

std::optional<Finding> History::Compare(const char* check, int index) const {
  const std::string& expected = texts_[index];
  if (expected.empty() || expected == Text()) return std::nullopt;
  return Finding{check, "at step " + std::to_string(index) + " of " +
                            std::to_string(stack_->count()) + ": " + Difference(expected, Text())};
}

std::optional<Finding> History::Check() {
  if (!stack_) return std::nullopt;
  checking_ = true;
  const int index = stack_->index();
  std::optional<Finding> found;
  for (int i = index; i > 0; --i) {
    stack_->undo();
    if (!found) found = Compare("undo", i - 1);
  }
  for (int i = 0; i < index; ++i) {
    stack_->redo();
    if (!found) found = Compare("redo", i + 1);
  }
  checking_ = false;
  return found;
}

}  // namespace cv::ui::monkey
