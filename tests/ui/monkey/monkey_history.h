// The undo history as the monkey sees it: the document's text before and
// after every step the window's history holds, and the check that undoing
// and redoing all of them gives those texts again.
#pragma once

#include <QMetaObject>
#include <optional>
#include <string>
#include <vector>

#include "monkey_checks.h"

class QUndoCommand;
class QUndoStack;

namespace cv::ui::monkey {

class History {
 public:
  // Follows the window's undo stack; a window without one has nothing to
  // check.
  explicit History(MainWindow& window);
  ~History();
  bool Present() const noexcept { return stack_ != nullptr; }
  // Before each event: the document as the next step will find it.
  void BeforeEvent();
  // Undoes every step, comparing each text, then redoes them all; the
  // history is left where it was.
  std::optional<Finding> Check();

 private:
  void IndexChanged(int index);
  std::string Text() const;
  std::optional<Finding> Compare(const char* check, int step, const std::string& expected) const;

  MainWindow& window_;
  QUndoStack* stack_ = nullptr;
  struct Texts {
    std::string before, after;
  };
  std::vector<Texts> steps_;  // one per command of the stack
  std::string lastSeen_;      // the document before the change of the next step
  const QUndoCommand* oldest_ = nullptr;
  bool checking_ = false;
  QMetaObject::Connection following_;
};

}  // namespace cv::ui::monkey
