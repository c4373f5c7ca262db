#include "ui/editor/project_history.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace cv::ui {
namespace {

class ProjectStep : public QUndoCommand {
 public:
  ProjectStep(const QString& label, EditHistory::Step undo, EditHistory::Step redo)
      : QUndoCommand(label), undo_(std::move(undo)), redo_(std::move(redo)) {}
  void undo() override { undo_(); }
  void redo() override {
    // The change was made before the step was pushed.
    if (done_) redo_();
    done_ = true;
  }

 private:
  EditHistory::Step undo_;
  EditHistory::Step redo_;
  bool done_ = false;
};

}  // namespace

ProjectHistory::ProjectHistory(EditHistory::Take take, EditHistory::Restore restore,
                               QObject* parent)
    : QObject(parent),
      stack_(new QUndoStack(this)),
      history_(std::move(take), std::move(restore),
               [this](const std::string& label, EditHistory::Step undo, EditHistory::Step redo) {
                 stack_->push(new ProjectStep(QString::fromStdString(label), std::move(undo),
                                              std::move(redo)));
               }) {
  stack_->setUndoLimit(kHistorySteps);
}

void ProjectHistory::Record(const QString& label, const std::function<void()>& change) {
  history_.Record(label.toStdString(), change);
}

void ProjectHistory::Clear() {
  stack_->clear();
  stack_->setClean();
  history_.Clear();
}

}  // namespace cv::ui
