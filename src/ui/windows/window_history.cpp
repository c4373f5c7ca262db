// The window's side of the undo history: the Edit menu, what a step keeps of
// the window (expanded items, shown node) and how a step is shown again.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QUndoStack>

#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

void MainWindow::ConnectHistory() {
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

void MainWindow::RestoreView(const ProjectView& view) {
  if (showSupplyHook_) showSupplyHook_(SupplyPanelFromDocument(Document()));
  SetUnitLabels();
  network_->ShowRestored(view);
  if (tabStrip_->currentIndex() == kMaterialListPage) RefreshMaterialList();
}

}  // namespace cv::ui
