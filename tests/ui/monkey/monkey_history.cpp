#include "monkey_history.h"

#include <QUndoStack>

#include "project/document.h"
#include "ui/windows/main_window.h"

namespace cv::ui::monkey {

History::History(MainWindow& window) : window_(window) {
  stack_ = window.UndoStack();
  if (!stack_) return;
  steps_.resize(stack_->count());
  following_ = QObject::connect(stack_, &QUndoStack::indexChanged,
                                [this](int index) { IndexChanged(index); });
}

History::~History() { QObject::disconnect(following_); }

std::string History::Text() const { return SerializeDocument(window_.Document()); }

void History::BeforeEvent() { lastSeen_ = Text(); }

// A new step gets the document as it was before its change and as it is
// now; when the bounded history dropped its oldest step, the texts move
// down with it.
void History::IndexChanged(int index) {
  if (checking_) return;
  const int count = stack_->count();
  const QUndoCommand* oldest = count > 0 ? stack_->command(0) : nullptr;
  if (oldest_ && oldest != oldest_ && count == stack_->undoLimit() && index == count &&
      !steps_.empty())
    steps_.erase(steps_.begin());
  oldest_ = oldest;
  steps_.resize(count);
  const std::string now = Text();
  if (index == count && index > 0) steps_[index - 1] = {lastSeen_, now};
  lastSeen_ = now;
}

std::optional<Finding> History::Compare(const char* check, int step,
                                        const std::string& expected) const {
  const std::string now = Text();
  if (expected.empty() || expected == now) return std::nullopt;
  return Finding{check, "step " + std::to_string(step) + " of " + std::to_string(stack_->count()) +
                            " ('" + stack_->command(step - 1)->text().toStdString() +
                            "'): " + Difference(expected, now)};
}

std::optional<Finding> History::Check() {
  if (!stack_) return std::nullopt;
  checking_ = true;
  const int index = stack_->index();
  const std::string current = Text();
  std::optional<Finding> found;
  for (int step = index; step > 0; --step) {
    stack_->undo();
    if (!found) found = Compare("undo", step, steps_[step - 1].before);
  }
  for (int step = 1; step <= index; ++step) {
    stack_->redo();
    if (!found) found = Compare("redo", step, steps_[step - 1].after);
  }
  checking_ = false;
  if (!found && Text() != current)
    found = Finding{"redo", "redoing every step does not give the current document: " +
                                Difference(current, Text())};
  return found;
}

}  // namespace cv::ui::monkey
