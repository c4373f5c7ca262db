// Restoring a step reads the document as it was, calculated sizes included,
// so nothing is recalculated: the result (and with it every mark, count and
// refusal) is read again from the document and the passes' stops.
#include "ui/editor/project_editor.h"

#include <QCursor>
#include <QUndoStack>

#include "project/document.h"
#include "supply/supply_panel_values.h"
#include "ui/editor/project_history.h"
#include "ui/seams/busy_cursor.h"

namespace cv::ui {
namespace {

// Exactly the text SerializeDocument wrote: blank texts and line ends kept.
constexpr unsigned kExactParse =
    (pugi::parse_full | pugi::parse_ws_pcdata) & ~(pugi::parse_eol | pugi::parse_wconv_attribute);

}  // namespace

ProjectEditor::ProjectEditor(ProgramState& state, QObject* parent)
    : QObject(parent),
      state_(state),
      project_(state.EFVCollection),
      history_(new ProjectHistory([this] { return TakeView(); },
                                  [this](const ProjectView& view) { Restore(view); }, this)) {
  const auto sync = [this] { SetModified(!UndoStack()->isClean()); };
  connect(UndoStack(), &QUndoStack::indexChanged, this, sync);
  connect(UndoStack(), &QUndoStack::cleanChanged, this, sync);
}

QUndoStack* ProjectEditor::UndoStack() const noexcept { return history_->Stack(); }

void ProjectEditor::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}

void ProjectEditor::RecordEdit(const QString& label, const std::function<void()>& change) {
  history_->Record(label, change);
  SetModified(!UndoStack()->isClean());
}

void ProjectEditor::MarkSaved() {
  UndoStack()->setClean();
  SetModified(false);
}

void ProjectEditor::StartHistory() {
  history_->Clear();
  SetModified(false);
}

void ProjectEditor::Calculate() {
  {
    BusyCursor busy;
    result_ = {};
    // The trace and the trip copy are written beside the project's file.
    state_.ProjectPath = path_;
    result_ = CalculateProject(Doc(), state_);
  }
  emit resultChanged();
}

void ProjectEditor::ShowNode(pugi::xml_node node) {
  nodeInView_ = node == ProjectRoot(Doc()) ? pugi::xml_node() : node;
  emit nodeShown(nodeInView_);
}

void ProjectEditor::NewProject() {
  path_.clear();
  nodeInView_ = {};
  Doc().reset();
  BuildNewProject(Doc());
  result_ = {};
}

ProjectView ProjectEditor::TakeView() const {
  ProjectView view{SerializeDocument(project_.Doc()),
                   {},
                   nodeInView_ ? NodeId(nodeInView_) : std::string(),
                   result_.failures};
  if (keepView_) keepView_(view);
  return view;
}

void ProjectEditor::Restore(const ProjectView& view) {
  try {
    pugi::xml_document& doc = Doc();
    doc.reset();
    if (!doc.load_buffer(view.text.data(), view.text.size(), kExactParse))
      Raise(kErrInvalidArgument, "the project kept for undo could not be read");
    result_ = ReadCalcResult(doc, SupplyPanelFromDocument(doc).dualSystem, view.sizingFailures);
    nodeInView_ = {};
    emit restored(view);
  } catch (const CvError& e) {
    emit failed(e);
  } catch (const std::exception& e) {
    emit failed(CvError(kErrInvalidArgument, e.what()));
  }
}

}  // namespace cv::ui
