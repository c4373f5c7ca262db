// The menu bar and the tree's pop-up menu of the main window.
#include "ui/windows/window_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "core/messages.h"
#include "ui/editor/project_editor.h"
#include "ui/seams/guarded.h"

namespace cv::ui {

WindowMenus::WindowMenus(QMainWindow& window, ProjectEditor& editor, MessageSink& messages) {
  BuildFileMenu(window);
  BuildEditMenu(window, editor, messages);
  BuildHelpMenu(window);
  treePopup_ = new QMenu(&window);
  treePopup_->setObjectName(QStringLiteral("mnuTreeClick"));
  Add(treePopup_, QStringLiteral("mnuTreeClickAddNewAppliance"),
      QStringLiteral("&Add New Appliance"));
  Add(treePopup_, QStringLiteral("mnuTreeClickRemoveAppliance"),
      QStringLiteral("&Remove Appliance"));
  SayNotAvailable(window, messages);
}

void WindowMenus::Add(QMenu* menu, const QString& name, const QString& caption,
                      const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  actions_[name] = action;
}

QAction* WindowMenus::Action(const QString& name) const {
  auto found = actions_.find(name);
  return found != actions_.end() ? found->second : nullptr;
}

void WindowMenus::BuildFileMenu(QMainWindow& window) {
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File        "));
  file->setObjectName(QStringLiteral("mnuFile"));
  Add(file, QStringLiteral("New"), QStringLiteral("&New"), QKeySequence::New);
  Add(file, QStringLiteral("Open"), QStringLiteral("&Open..."), QKeySequence::Open);
  file->addSeparator()->setObjectName(QStringLiteral("Sep1"));
  Add(file, QStringLiteral("ExportCalculations"), QStringLiteral("Export &Calculations..."));
  Add(file, QStringLiteral("ExportDiagram"), QStringLiteral("Export &Diagram\u2026"));
  Add(file, QStringLiteral("ExportProfile"), QStringLiteral("Export Pressure Pro&file\u2026"));
  file->addSeparator()->setObjectName(QStringLiteral("Sep"));
  Add(file, QStringLiteral("Save"), QStringLiteral("&Save"), QKeySequence::Save);
  Add(file, QStringLiteral("SaveAs"), QStringLiteral("Save &As..."),
      QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  file->addSeparator()->setObjectName(QStringLiteral("Sep2"));
  QMenu* print = file->addMenu(QStringLiteral("&Print"));
  print->setObjectName(QStringLiteral("Print"));
  Add(print, QStringLiteral("PrintProject"), QStringLiteral("&Entire Project"),
      QKeySequence::Print);
  Add(print, QStringLiteral("PrintDesignLayout"), QStringLiteral("Design &Layout"));
  Add(print, QStringLiteral("PrintMaterialList"), QStringLiteral("&Material List"));
  Add(print, QStringLiteral("PrintCalculations"), QStringLiteral("&Calculations"));
  Add(print, QStringLiteral("PrintDiagram"), QStringLiteral("&Diagram"));
  Add(print, QStringLiteral("PrintProfile"), QStringLiteral("Pressure &Profile"));
  print->addSeparator();
  Add(print, QStringLiteral("PrintSetup"), QStringLiteral("P&rint Setup..."));
  file->addSeparator()->setObjectName(QStringLiteral("Sep3"));
  Add(file, QStringLiteral("Exit"), QStringLiteral("E&xit"));
}

void WindowMenus::BuildHelpMenu(QMainWindow& window) {
  QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  Add(help, QStringLiteral("Howto"), QStringLiteral("&How to use"), QKeySequence(Qt::Key_F1));
  help->addSeparator()->setObjectName(QStringLiteral("Sep4"));
  Add(help, QStringLiteral("About"), QStringLiteral("&About"));
}

void WindowMenus::BuildEditMenu(QMainWindow& window, ProjectEditor& editor, MessageSink& messages) {
  QMenu* edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  Add(edit, QStringLiteral("Undo"), QStringLiteral("&Undo"),
      QKeySequence(QStringLiteral("Ctrl+Z")));
  Add(edit, QStringLiteral("Redo"), QStringLiteral("&Redo"),
      QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
  QAction* undo = Action(QStringLiteral("Undo"));
  QAction* redo = Action(QStringLiteral("Redo"));
  redo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  // Each entry names its step and is greyed when there is none; typed
  // values not stored are dealt with first, as when leaving the node.
  QUndoStack* stack = editor.UndoStack();
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
  QObject::connect(stack, &QUndoStack::indexChanged, &window, refresh);
  QObject::connect(stack, &QUndoStack::canUndoChanged, &window, refresh);
  QObject::connect(stack, &QUndoStack::canRedoChanged, &window, refresh);
  QObject::connect(undo, &QAction::triggered, &window, [&editor, &messages, stack] {
    RunGuarded(messages, [&] {
      if (editor.SettlePendingEdits()) stack->undo();
    });
  });
  QObject::connect(redo, &QAction::triggered, &window, [&editor, &messages, stack] {
    RunGuarded(messages, [&] {
      if (editor.SettlePendingEdits()) stack->redo();
    });
  });
}

// Until a controller replaces the connection (it disconnects triggered and
// connects its own handler).
void WindowMenus::SayNotAvailable(QMainWindow& window, MessageSink& messages) {
  const std::pair<const char*, const char*> pending[] = {
      {"New", "New"},
      {"Open", "Open"},
      {"Save", "Save"},
      {"SaveAs", "Save As"},
      {"PrintProject", "Printing"},
      {"PrintDesignLayout", "Printing"},
      {"PrintMaterialList", "Printing"},
      {"PrintCalculations", "Printing"},
      {"PrintDiagram", "Printing"},
      {"PrintProfile", "Printing"},
      {"PrintSetup", "Print Setup"},
      {"Howto", "Help"},
      {"About", "About"},
  };
  for (const auto& [name, what] : pending) {
    const QString caption = QString::fromLatin1(what);
    QObject::connect(
        Action(QString::fromLatin1(name)), &QAction::triggered, &window, [&messages, caption] {
          messages.Show({(caption + QStringLiteral(" is not available yet.")).toStdString(), "",
                         MessageButtons::Ok});
        });
  }
}

}  // namespace cv::ui
