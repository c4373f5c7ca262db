#include "ui/files/project_history.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace cv::ui {

struct ProjectHistory::Packed {
  std::shared_ptr<const QByteArray> text;  // qCompress of the document text
  ProjectView view;                        // everything but the text
};

namespace {

class ProjectStep : public QUndoCommand {
 public:
  ProjectStep(const QString& label, std::function<void()> undo, std::function<void()> redo)
      : QUndoCommand(label), undo_(std::move(undo)), redo_(std::move(redo)) {}
  void undo() override { undo_(); }
  void redo() override {
    // The change was made before the step was pushed.
    if (done_) redo_();
    done_ = true;
  }

 private:
  std::function<void()> undo_;
  std::function<void()> redo_;
  bool done_ = false;
};

}  // namespace

ProjectHistory::ProjectHistory(Take take, Restore restore, QObject* parent)
    : QObject(parent),
      take_(std::move(take)),
      restore_(std::move(restore)),
      stack_(new QUndoStack(this)) {
  stack_->setUndoLimit(kHistorySteps);
}

std::shared_ptr<const ProjectHistory::Packed> ProjectHistory::Pack(ProjectView view) {
  if (!lastPacked_ || view.text != lastText_) {
    lastPacked_ = std::make_shared<const QByteArray>(
        qCompress(reinterpret_cast<const uchar*>(view.text.data()),
                  static_cast<qsizetype>(view.text.size()), 1));
    lastText_ = std::move(view.text);
  }
  view.text.clear();
  return std::make_shared<const Packed>(Packed{lastPacked_, std::move(view)});
}

void ProjectHistory::Record(const QString& label, const std::function<void()>& change) {
  std::shared_ptr<const Packed> before = Pack(take_());
  auto push = [&] {
    ProjectView now = take_();
    if (now.text == lastText_) return;
    std::shared_ptr<const Packed> after = Pack(std::move(now));
    auto restore = [this](const std::shared_ptr<const Packed>& packed) {
      ProjectView view = packed->view;
      const QByteArray text = qUncompress(*packed->text);
      view.text.assign(text.constData(), static_cast<size_t>(text.size()));
      restore_(view);
      lastText_ = std::move(view.text);
      lastPacked_ = packed->text;
    };
    stack_->push(new ProjectStep(
        label, [restore, before] { restore(before); }, [restore, after] { restore(after); }));
  };
  try {
    change();
  } catch (...) {
    push();
    throw;
  }
  push();
}

void ProjectHistory::Clear() {
  stack_->clear();
  stack_->setClean();
  lastPacked_.reset();
  lastText_.clear();
}

}  // namespace cv::ui
