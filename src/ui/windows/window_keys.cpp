// The main window by keyboard and for a screen reader: Alt keys of the
// appliance page and the diagram, the page-switching keys, Ctrl+Q, the
// tree's F2 and Enter, and the names of the controls that have no label.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "ui/access/access_keys.h"
#include "ui/panels/appliance_panel.h"
#include "ui/results/calculation_page.h"
#include "ui/results/diagram_accessible.h"
#include "ui/results/diagram_page.h"
#include "ui/results/diagram_view.h"
#include "ui/tree/network_tree.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {

void Describe(QWidget* widget, const char* name, const char* description) {
  widget->setAccessibleName(QString::fromLatin1(name));
  widget->setAccessibleDescription(QString::fromLatin1(description));
}

}  // namespace

void MainWindow::GiveAccessKeys() {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(&DiagramAccessibleFactory);
    return true;
  }();
  (void)factoryInstalled;
  SetAccessKey(cmdAdd_, QLatin1Char('a'), QStringLiteral("Adds a node below the selected one"));
  SetAccessKey(cmdRemove_, QLatin1Char('r'),
               QStringLiteral("Removes the selected node and everything below it"));
  if (auto* view = findChild<QGroupBox*>(QStringLiteral("fView")))
    view->setTitle(WithAccessKey(view->title(), QLatin1Char('s')));
  Describe(tree_, "Network",
           "The gas supply and every run below it. Insert adds a node, Delete removes it, F2 or "
           "Enter edits it in the panel.");
  Describe(txtMaterials_, "Material List", "The materials the network needs");
  Describe(calculationPage_->View(), "Calculations",
           "One row per run; Ctrl+C copies the selected cells");
  // The arrow keys move between cells; Tab leaves the table.
  calculationPage_->View()->setTabKeyNavigation(false);
  Describe(diagramPage_->View(), "Diagram",
           "Up goes to the parent, Down to the first child, Left and Right to the siblings, "
           "Enter opens the node");
  if (auto* fit = diagramPage_->findChild<QPushButton*>(QStringLiteral("cmdFit")))
    SetAccessKey(fit, QLatin1Char('i'), QStringLiteral("Shows the whole diagram"));

  MenuAction(QStringLiteral("Exit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  MenuAction(QStringLiteral("mnuTreeClickAddNewAppliance"))->setShortcut(Qt::Key_Insert);
  MenuAction(QStringLiteral("mnuTreeClickRemoveAppliance"))->setShortcut(Qt::Key_Delete);
  const auto pageKeys = [this](const char* name, QList<QKeySequence> keys, int step) {
    auto* action = new QAction(QString::fromLatin1(name), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, step] {
      const int count = tabStrip_->count();
      tabStrip_->setCurrentIndex((tabStrip_->currentIndex() + step + count) % count);
    });
    addAction(action);
  };
  pageKeys("NextPage",
           {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
  pageKeys("PreviousPage",
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
            QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
           -1);
  connect(tree_, &NetworkTree::editRequested, this, [this] { EditInPanel(); });
}

void MainWindow::EditInPanel() {
  tabStrip_->setCurrentIndex(kAppliancePage);
  for (QWidget* box : std::initializer_list<QWidget*>{panel_->txtDescription, panel_->cboAppliance,
                                                      panel_->txtLoad, panel_->txtLength})
    if (box->isEnabled() && box->isVisibleTo(panel_)) {
      box->setFocus(Qt::ShortcutFocusReason);
      if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
      return;
    }
}

}  // namespace cv::ui
