// The main window by keyboard and for a screen reader: Alt keys of the
// appliance page and the diagram, the page-switching keys, Ctrl+Q, the
// and the names of the controls that have no label.
#include "ui/windows/window_keys.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>

#include "ui/access/access_keys.h"
#include "ui/results/calculation_page.h"
#include "ui/results/diagram_accessible.h"
#include "ui/results/diagram_page.h"
#include "ui/results/diagram_view.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {

void Describe(QWidget* widget, const char* name, const char* description) {
  widget->setAccessibleName(QString::fromLatin1(name));
  widget->setAccessibleDescription(QString::fromLatin1(description));
}

}  // namespace

void GiveAccessKeys(MainWindow& window) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(&DiagramAccessibleFactory);
    return true;
  }();
  (void)factoryInstalled;
  SetAccessKey(window.findChild<QPushButton*>(QStringLiteral("cmdAdd")), QLatin1Char('a'),
               QStringLiteral("Adds a node below the selected one"));
  SetAccessKey(window.findChild<QPushButton*>(QStringLiteral("cmdRemove")), QLatin1Char('r'),
               QStringLiteral("Removes the selected node and everything below it"));
  if (auto* view = window.findChild<QGroupBox*>(QStringLiteral("fView")))
    view->setTitle(WithAccessKey(view->title(), QLatin1Char('s')));
  Describe(window.Tree(), "Network",
           "The gas supply and every run below it. Insert adds a node, Delete removes it, F2 or "
           "Enter edits it in the panel.");
  Describe(window.MaterialsText(), "Material List", "The materials the network needs");
  Describe(window.Calculations()->View(), "Calculations",
           "One row per run; Ctrl+C copies the selected cells");
  // The arrow keys move between cells; Tab leaves the table.
  window.Calculations()->View()->setTabKeyNavigation(false);
  Describe(window.Diagram()->View(), "Diagram",
           "Up goes to the parent, Down to the first child, Left and Right to the siblings, "
           "Enter opens the node");
  if (auto* fit = window.Diagram()->findChild<QPushButton*>(QStringLiteral("cmdFit")))
    SetAccessKey(fit, QLatin1Char('i'), QStringLiteral("Shows the whole diagram"));

  window.MenuAction(QStringLiteral("Exit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  window.MenuAction(QStringLiteral("mnuTreeClickAddNewAppliance"))->setShortcut(Qt::Key_Insert);
  window.MenuAction(QStringLiteral("mnuTreeClickRemoveAppliance"))->setShortcut(Qt::Key_Delete);
  QTabWidget* tabs = window.Tabs();
  const auto pageKeys = [&window, tabs](const char* name, QList<QKeySequence> keys, int step) {
    auto* action = new QAction(QString::fromLatin1(name), &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &window, [tabs, step] {
      const int count = tabs->count();
      tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
    });
    window.addAction(action);
  };
  pageKeys("NextPage",
           {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
  pageKeys("PreviousPage",
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
            QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
           -1);
}

}  // namespace cv::ui
