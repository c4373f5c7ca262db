// The project's undo history: every change to the document is one step that
// keeps the project as it was before and after, as a compressed text of the
// whole document with what the window showed (expanded nodes, shown node).
// Consecutive steps share the text they have in common.
//
// A change is made first and recorded after (Record): the step is handed to
// the caller's stack, whose first redo does nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sizing/calc_result.h"

namespace cv {

inline constexpr int kHistorySteps = 100;

// What the window needs to show a project exactly as it was.
struct ProjectView {
  std::string text;  // the serialised document
  std::vector<std::string> expandedIds;
  std::string shownId;  // the node the panel shows; empty for the gas supply
  // Where the calculation's passes stopped: the marks follow from them and
  // the document.
  std::vector<SizingFailure> sizingFailures;
};

class EditHistory {
 public:
  using Take = std::function<ProjectView()>;
  using Restore = std::function<void(const ProjectView&)>;
  using Step = std::function<void()>;
  // Receives each new step: its label, how to undo it and how to redo it.
  using Push = std::function<void(const std::string& label, Step undo, Step redo)>;

  EditHistory(Take take, Restore restore, Push push);

  // Runs the change; when the document differs afterwards a step named
  // label is pushed (also when the change failed halfway: what was written
  // can be taken back). Failures pass on to the caller.
  void Record(const std::string& label, const std::function<void()>& change);
  // Forgets the text shared with the last step (the stack was emptied).
  void Clear();

 private:
  struct Packed;
  std::shared_ptr<const Packed> Pack(ProjectView view);
  void Unpack(const std::shared_ptr<const Packed>& packed);

  Take take_;
  Restore restore_;
  Push push_;
  // The text of the latest state the history holds, to share it.
  std::string lastText_;
  std::shared_ptr<const std::string> lastPacked_;
};

}  // namespace cv
