// The project's undo history: every change to the document is one step that
// keeps the project as it was before and after, as a compressed text of the
// whole document with what the window showed (expanded items, shown node).
// Consecutive steps share the text they have in common, and the history
// holds at most kHistorySteps steps.
//
// A change is made first and recorded after (Record): the first redo of a
// step does nothing, later ones restore its "after" state. The stack's clean
// state is the saved state of the project.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/program_state.h"

class QUndoStack;

namespace cv::ui {

inline constexpr int kHistorySteps = 100;

// What the window needs to show a project exactly as it was.
struct ProjectView {
  std::string text;  // the serialised document
  QStringList expandedIds;
  QString shownId;  // the node the panel shows; empty for the gas supply
  // Where the calculation's passes stopped: the marks follow from them and
  // the document.
  std::vector<ProgramState::SizingFailure> sizingFailures;
};

class ProjectHistory : public QObject {
  Q_OBJECT

 public:
  using Take = std::function<ProjectView()>;
  using Restore = std::function<void(const ProjectView&)>;

  ProjectHistory(Take take, Restore restore, QObject* parent = nullptr);

  QUndoStack* Stack() const noexcept { return stack_; }
  // Runs the change; when the document differs afterwards a step named
  // label is pushed (also when the change failed halfway: what was written
  // can be taken back). Failures pass on to the caller.
  void Record(const QString& label, const std::function<void()>& change);
  // An empty history whose clean state is the project as it is now.
  void Clear();

 private:
  struct Packed;
  std::shared_ptr<const Packed> Pack(ProjectView view);

  Take take_;
  Restore restore_;
  QUndoStack* stack_;
  // The text of the latest state the history holds, to share it.
  std::string lastText_;
  std::shared_ptr<const QByteArray> lastPacked_;
};

}  // namespace cv::ui
