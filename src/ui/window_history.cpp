// The window's side of the undo history: the Edit menu, what a step keeps of
// the window (the document text, expanded items, shown node) and how a step
// is shown again. Restoring reads the document as it was, calculated sizes
// included, so nothing is recalculated.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>

#include "project/document.h"
#include "ui/main_window.h"
#include "ui/network_tree.h"
#include "ui/project_history.h"
#include "ui/tree_items.h"

namespace cv::ui {
namespace {

// Exactly the text SerializeDocument wrote: blank texts and line ends kept.
constexpr unsigned kExactParse =
    (pugi::parse_full | pugi::parse_ws_pcdata) & ~(pugi::parse_eol | pugi::parse_wconv_attribute);

}  // namespace

void MainWindow::ConnectHistory() {
  history_ = new ProjectHistory(
      [this] { return TakeView(); },
      [this](const ProjectView& view) { Guarded([&] { RestoreView(view); }); }, this);
  connect(UndoStack(), &QUndoStack::indexChanged, this, [this] { SyncModified(); });
  connect(UndoStack(), &QUndoStack::cleanChanged, this, [this] { SyncModified(); });
}

QUndoStack* MainWindow::UndoStack() const noexcept { return history_->Stack(); }

void MainWindow::SyncModified() {
  state_.ProjectModified = !UndoStack()->isClean();
  setWindowModified(state_.ProjectModified);
}

void MainWindow::RecordEdit(const QString& label, const std::function<void()>& change) {
  history_->Record(label, change);
  SyncModified();
}

void MainWindow::MarkSaved() {
  UndoStack()->setClean();
  SyncModified();
}

void MainWindow::StartHistory() {
  history_->Clear();
  SyncModified();
}

void MainWindow::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  QAction* undo = UndoStack()->createUndoAction(edit, QStringLiteral("&Undo"));
  undo->setObjectName(QStringLiteral("Undo"));
  undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
  QAction* redo = UndoStack()->createRedoAction(edit, QStringLiteral("&Redo"));
  redo->setObjectName(QStringLiteral("Redo"));
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  for (QAction* action : {undo, redo}) {
    edit->addAction(action);
    actions_[action->objectName()] = action;
  }
}

QStringList MainWindow::ExpandedIds() const {
  QStringList ids;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->isExpanded()) ids.append(ItemId(*it));
  return ids;
}

ProjectView MainWindow::TakeView() const {
  return {SerializeDocument(document_), ExpandedIds(),
          currentNode_ ? QString::fromStdString(NodeId(currentNode_)) : QString(),
          state_.LastSizingFailed};
}

void MainWindow::RebuildTree(const QStringList& expandedIds, pugi::xml_node shown) {
  const QSet<QString> expanded(expandedIds.begin(), expandedIds.end());
  followSuppressed_ = true;
  tree_->setUpdatesEnabled(false);
  BuildTreeFromDocument();
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if (expanded.contains(ItemId(*it))) (*it)->setExpanded(true);
  tree_->setUpdatesEnabled(true);
  followSuppressed_ = false;
  QTreeWidgetItem* item = ItemOfElement(shown);
  ClickNode(item ? item : GasSupplyItem());
  tree_->scrollToItem(SelectedItem());
}

void MainWindow::RestoreView(const ProjectView& view) {
  document_.reset();
  if (!document_.load_buffer(view.text.data(), view.text.size(), kExactParse))
    Raise(kErrInvalidArgument, "the project kept for undo could not be read");
  const SupplyPanelValues values = SupplyPanelFromDocument(document_);
  state_.UnitSystem = values.unitSystem;
  state_.EFVPresent = values.efvPresent;
  state_.DualSystemFlag = values.dualSystem;
  state_.LastSizingFailed = view.lastSizingFailed;
  if (showSupplyHook_) showSupplyHook_(values);
  SetUnitLabels();
  currentNode_ = {};
  RebuildTree(view.expandedIds, view.shownId.isEmpty()
                                    ? ProjectRoot(document_)
                                    : FindSystemNodeById(document_, view.shownId.toStdString()));
  if (tabStrip_->currentIndex() == 2) RefreshMaterialList();
}

}  // namespace cv::ui
