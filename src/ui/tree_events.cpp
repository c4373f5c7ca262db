// The tree's events: node click, mouse-up (pop-up menu, information box),
// the drop, and the page switch of the tab strip.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "core/number_text.h"
#include "project/document.h"
#include "reports/material_list.h"
#include "sizing/pressure_drop.h"
#include "sizing/units.h"
#include "ui/appliance_panel.h"
#include "ui/efv_rules.h"
#include "ui/main_window.h"
#include "ui/network_tree.h"
#include "ui/pressure_text.h"
#include "ui/tree_items.h"
#include "ui/trip_checks.h"

namespace cv::ui {

void MainWindow::TreeView1_NodeClick(QTreeWidgetItem* item) {
  ClickNode(item);
  ApplyLoadBoxRule(item);
}

// Fittings, regulators and EFVs carry the loads below them, never a load of
// their own, and the gas supply's load is the network's total.
void MainWindow::ApplyLoadBoxRule(QTreeWidgetItem* item) {
  panel_->txtLoad->setEnabled(item != GasSupplyItem() &&
                              !PassesLoadThrough(panel_->cboAppliance->currentText()));
}

void MainWindow::TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos) {
  if (button == Qt::RightButton) {
    tree_->SetDragNode(tree_->itemAt(pos));
    mnuTreeClick_->popup(tree_->viewport()->mapToGlobal(pos));
    return;
  }
  tree_->SetDropHighlight(SelectedItem());
  if (button == Qt::MiddleButton && currentNode_) ShowPressureDropInformation();
}

void MainWindow::ShowPressureDropInformation() {
  if (!currentNode_) return;
  const CalcContext ctx{state_, ProjectRoot(document_), {}};
  const double fromParent = PressureDropToSource(currentNode_, true, ctx);
  const double fromSource = PressureDropToSource(currentNode_, false, ctx);
  auto shown = [&](double drop) {
    return ShownPressure(drop, state_.UnitSystem) + " " + PressureUnitCaption(state_.UnitSystem);
  };
  const std::string name = SelectedItem() ? SelectedItem()->text(0).toStdString() : "";
  const std::string text = "Pressure drop from parent to " + name + " = " + shown(fromParent) +
                           "\n\nPressure drop from gas source to " + name + " = " +
                           shown(fromSource) +
                           "\n\n(Gas source is either the gas supply or a regulator)\n";
  Messages().Show(
      {text, "Pressure Drop Information", MessageButtons::Ok, MessageIcon::Information});
}

void MainWindow::ShowPlain(const std::string& text) {
  Messages().Show({text, "", MessageButtons::Ok});
}

void MainWindow::TreeView1_Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  try {
    DropDecided(dragged, target);
  } catch (const CvError& e) {
    ReportError(e);
  }
}

void MainWindow::DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  const TripContext trip{document_, state_, Messages()};
  switch (DecideDrop(dragged, target, state_.DualSystemFlag)) {
    case DropOutcome::Nothing:
      return;
    case DropOutcome::SeriesRefusedQuiet:
      ShowPlain(kSeriesMessage);
      return;
    case DropOutcome::SeriesRefused:
      ShowPlain(kSeriesMessage);
      ClickNode(target);
      return;
    case DropOutcome::HighPressureRefused:
      ShowPlain(kHighPressureMessage);
      ClickNode(target);
      return;
    case DropOutcome::MoveIfEFVTripAllows:
      if (EFVDragEFVTripflowToLoads(NodeOfItem(dragged), ElementOfItem(target), trip))
        DropMove(dragged, target);
      return;
    case DropOutcome::Move:
      DropMove(dragged, target);
      return;
    case DropOutcome::MoveIfOntoEFVTripAllows:
      if (EFVSelectedEFVTripflowToLoads(NodeOfItem(dragged), NodeOfItem(target), trip))
        DropMove(dragged, target);
      return;
    case DropOutcome::MoveIfParentOrTripAllows:
      if (CheckDragNodeParentOfSelectedNode(dragged, target) ||
          DragDropCompareEFVTripflowToLoads(dragged, target, trip))
        DropMove(dragged, target);
      else
        ClickNode(target);
      return;
  }
}

void MainWindow::DropMove(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  if (MoveNode(dragged, target)) state_.ProjectModified = true;
}

void MainWindow::TabStrip1_Click(int index) {
  if (index == 2) RefreshMaterialList();
}

void MainWindow::RefreshMaterialList() {
  QString text = QString::fromStdString(UpdateMaterialList(document_, state_));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtMaterials_->setPlainText(text);
}

}  // namespace cv::ui
