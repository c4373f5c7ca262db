// The project being edited, as the window's views share it: the project and
// its undo history, the last calculation's result, the file it belongs to
// and whether it has changes not saved. Views change the project through
// RecordEdit and follow the signals; no view owns the project.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/errors.h"
#include "edit/edit_history.h"
#include "edit/project.h"
#include "sizing/calc_result.h"
#include "sizing/program_state.h"

class QUndoStack;

namespace cv::ui {

class ProjectHistory;

class ProjectEditor : public QObject {
  Q_OBJECT

 public:
  explicit ProjectEditor(ProgramState& state, QObject* parent = nullptr);

  Project& EditedProject() noexcept { return project_; }
  const Project& EditedProject() const noexcept { return project_; }
  pugi::xml_document& Doc() noexcept { return project_.Doc(); }
  ProgramState& State() noexcept { return state_; }
  // The result of the last calculation, or of the step undone or redone.
  const CalcResult& Result() const noexcept { return result_; }

  // The project's file; empty for a project never saved.
  const std::string& Path() const noexcept { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }

  // The project has changes that are not saved.
  bool Modified() const noexcept { return modified_; }
  // A change kept outside the history still needs saving.
  void MarkModified() { SetModified(true); }

  // Every change to the project is a step of this stack; its clean state is
  // the saved project.
  QUndoStack* UndoStack() const noexcept;
  // Runs a change to the project as one step of the history named label.
  void RecordEdit(const QString& label, const std::function<void()>& change);
  // The project as it is now is the saved one.
  void MarkSaved();
  // An empty history (New, Open).
  void StartHistory();
  // What the views keep in a step beside the document and the node in view
  // (the expanded branches).
  void SetViewKeeper(std::function<void(ProjectView&)> keep) { keepView_ = std::move(keep); }

  // Calculates the document and keeps its result; a failure leaves no
  // result and passes on.
  void Calculate();

  // The node in view: the panel, Update and every command that acts on
  // "the node" act on it, and every view shows it. Empty for the gas
  // supply.
  pugi::xml_node NodeInView() const noexcept { return nodeInView_; }
  // Shows the node (empty or the root: the gas supply) in every view, also
  // when it is shown already.
  void ShowNode(pugi::xml_node node);
  // The node in view is gone: the gas supply is in view until a view shows
  // another.
  void ForgetNodeInView() noexcept { nodeInView_ = {}; }
  // A view changed the node's own fields.
  void NodeEdited(pugi::xml_node node) { emit nodeEdited(node); }
  // Edits held by a view and not stored in the project yet: the view that
  // holds them settles them (it may ask the user). False: the command that
  // leaves the node must stop.
  void SetPendingEdits(std::function<bool()> settle) { settlePending_ = std::move(settle); }
  bool SettlePendingEdits() { return !settlePending_ || settlePending_(); }
  // A new project: a new document without result or file.
  void NewProject();

 signals:
  void modifiedChanged(bool modified);
  // A step was undone or redone: the document and the result are as they
  // were; the views show them with what the step kept of the views.
  void restored(const cv::ProjectView& view);
  // Showing a step again failed.
  void failed(const cv::CvError& error);
  void resultChanged();
  void nodeShown(pugi::xml_node node);
  void nodeEdited(pugi::xml_node node);

 private:
  ProjectView TakeView() const;
  void Restore(const ProjectView& view);
  void SetModified(bool modified);

  ProgramState& state_;
  Project project_;
  CalcResult result_;
  std::string path_;
  bool modified_ = false;
  std::function<void(ProjectView&)> keepView_;
  std::function<bool()> settlePending_;
  pugi::xml_node nodeInView_;
  ProjectHistory* history_;
};

}  // namespace cv::ui
