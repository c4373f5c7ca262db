// The window's side of the undo history: the steps of the Qt-free
// EditHistory (src/edit) live on a QUndoStack, which names them in the Edit
// menu and keeps the saved (clean) state. The stack holds at most
// kHistorySteps steps.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "edit/edit_history.h"

class QUndoStack;

namespace cv::ui {

class ProjectHistory : public QObject {
  Q_OBJECT

 public:
  ProjectHistory(EditHistory::Take take, EditHistory::Restore restore, QObject* parent = nullptr);

  QUndoStack* Stack() const noexcept { return stack_; }
  // Runs the change as one step named label (see EditHistory::Record).
  void Record(const QString& label, const std::function<void()>& change);
  // An empty history whose clean state is the project as it is now.
  void Clear();

 private:
  QUndoStack* stack_;
  EditHistory history_;
};

}  // namespace cv::ui
