// The window's side of the undo history: the Edit menu, what a step keeps of
// the window (expanded items, shown node) and how a step is shown again.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>

#include "project/document.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {

// The branches to expand when a step is shown again: each item there now
// keeps the state the user gave it; only the nodes the step brings back
// take theirs from the step.
QStringList ExpansionAfterRestore(QTreeWidget* tree, const QStringList& kept) {
  QSet<QString> present;
  QStringList ids;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) {
    present.insert(ItemId(*it));
    if ((*it)->isExpanded()) ids.append(ItemId(*it));
  }
  for (const QString& id : kept)
    if (!present.contains(id)) ids.append(id);
  return ids;
}

}  // namespace

void MainWindow::ConnectHistory() {
  editor_.SetViewKeeper([this](ProjectView& view) {
    for (const QString& id : ExpandedIds()) view.expandedIds.push_back(id.toStdString());
    if (currentNode_) view.shownId = NodeId(currentNode_);
  });
  connect(&editor_, &ProjectEditor::restored, this,
          [this](const ProjectView& view) { Guarded([&] { RestoreView(view); }); });
  connect(&editor_, &ProjectEditor::failed, this, [this](const CvError& e) { ReportError(e); });
  connect(&editor_, &ProjectEditor::modifiedChanged, this,
          [this](bool modified) { setWindowModified(modified); });
}

void MainWindow::BuildEditMenu() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  AddMenuAction(edit, QStringLiteral("Undo"), QStringLiteral("&Undo"),
                QKeySequence(QStringLiteral("Ctrl+Z")));
  AddMenuAction(edit, QStringLiteral("Redo"), QStringLiteral("&Redo"),
                QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
  QAction* undo = MenuAction(QStringLiteral("Undo"));
  QAction* redo = MenuAction(QStringLiteral("Redo"));
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  // Each entry names its step and is greyed when there is none; typed
  // values not stored are dealt with first, as when leaving the node.
  QUndoStack* stack = UndoStack();
  auto refresh = [stack, undo, redo] {
    auto named = [](const char* verb, const QString& step) {
      return step.isEmpty() ? QString::fromLatin1(verb)
                            : QString::fromLatin1(verb) + QLatin1Char(' ') + step;
    };
    undo->setText(named("&Undo", stack->undoText()));
    undo->setEnabled(stack->canUndo());
    redo->setText(named("&Redo", stack->redoText()));
    redo->setEnabled(stack->canRedo());
  };
  refresh();
  connect(stack, &QUndoStack::indexChanged, this, refresh);
  connect(stack, &QUndoStack::canUndoChanged, this, refresh);
  connect(stack, &QUndoStack::canRedoChanged, this, refresh);
  connect(undo, &QAction::triggered, this, [this, stack] {
    Guarded([&] {
      if (ResolvePendingPanelEdits()) stack->undo();
    });
  });
  connect(redo, &QAction::triggered, this, [this, stack] {
    Guarded([&] {
      if (ResolvePendingPanelEdits()) stack->redo();
    });
  });
}

QStringList MainWindow::ExpandedIds() const {
  QStringList ids;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it)
    if ((*it)->isExpanded()) ids.append(ItemId(*it));
  return ids;
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
  if (showSupplyHook_) showSupplyHook_(SupplyPanelFromDocument(document_));
  SetUnitLabels();
  currentNode_ = {};
  QStringList expanded;
  for (const std::string& id : view.expandedIds) expanded.append(QString::fromStdString(id));
  RebuildTree(
      ExpansionAfterRestore(tree_, expanded),
      view.shownId.empty() ? ProjectRoot(document_) : FindSystemNodeById(document_, view.shownId));
  if (tabStrip_->currentIndex() == kMaterialListPage) RefreshMaterialList();
}

}  // namespace cv::ui
