// The undo history as the monkey sees it: the document's text after every
// step the window's history can reach, and the check that undoing and
// redoing all of them gives those texts again.
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
  // After each event: a history that New or Open emptied starts again from
  // the document as it is now.
  void AfterEvent();
  // Undoes every step, comparing each text, then redoes them all; the
  // history is left where it was.
  std::optional<Finding> Check();

 private:
  void IndexChanged(int index);
  std::string Text() const;
  std::optional<Finding> Compare(const char* check, int index) const;

  MainWindow& window_;
  QUndoStack* stack_ = nullptr;
  std::vector<std::string> texts_;  // at each index of the stack; empty: not known
  const QUndoCommand* oldest_ = nullptr;
  bool checking_ = false;
  QMetaObject::Connection following_;
};

}  // namespace cv::ui::monkey
