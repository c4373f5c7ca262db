// The tree's events: node click, mouse-up (pop-up menu, information box),
// the drop, and the page switch of the tab strip.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "core/number_text.h"
#include "project/document.h"
#include "reports/material_list.h"
#include "reports/pressure_readings.h"
#include "sizing/carried_loads.h"
#include "sizing/pressure_drop.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/panels/appliance_panel.h"
#include "ui/tree/efv_rules.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"
#include "ui/tree/trip_checks.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

void MainWindow::TreeView1_NodeClick(QTreeWidgetItem* item) { ClickNode(item); }

// Only a kind that takes a load of its own has the box; the gas supply's load
// is the network's total.
void MainWindow::ApplyLoadBoxRule(QTreeWidgetItem* item) {
  panel_->txtLoad->setEnabled(
      item != GasSupplyItem() &&
      !PassesLoadThrough(panel_->cboAppliance->currentText().toStdString()));
}

void MainWindow::TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos) {
  if (button == Qt::RightButton) {
    // The menu acts on the item under the pointer: it is selected (and
    // shown) first, unless the user cancels leaving the node shown.
    QTreeWidgetItem* item = tree_->itemAt(pos);
    tree_->SetDragNode(item);
    if (item) tree_->setCurrentItem(item);
    if (item && SelectedItem() != item) return;
    mnuTreeClick_->popup(tree_->viewport()->mapToGlobal(pos));
    return;
  }
  tree_->SetDropHighlight(SelectedItem());
  if (button == Qt::MiddleButton && currentNode_) ShowPressureDropInformation();
}

void MainWindow::ShowPressureDropInformation() {
  if (!currentNode_) return;
  // Worked out on a copy: the drop to the source rewrites the pressures on
  // its path, and looking at a box must not change the project behind the
  // undo history's back.
  pugi::xml_document copy;
  copy.reset(document_);
  const pugi::xml_node node = FindSystemNodeById(copy, NodeId(currentNode_));
  const CarriedLoads carried(copy);
  CalcContext ctx{state_, ProjectRoot(copy), {}};
  ctx.carried = &carried;
  const double fromParent = PressureDropToSource(node, true, ctx);
  const double fromSource = PressureDropToSource(node, false, ctx);
  const PressureUnit unit = RunPressureUnit(node, state_.UnitSystem, state_.DualSystemFlag);
  auto shown = [&](double drop) {
    return PressureReading(drop, unit) + " " + std::string(PressureUnitCaption(unit));
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

namespace {
bool IsBelow(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
  for (const QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
    if (p == ancestor) return true;
  return false;
}
}  // namespace

void MainWindow::DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  // A drop into the dragged node's own branch is refused by the move itself,
  // before any EFV rule could speak of it.
  if (IsBelow(target, dragged)) {
    MoveNode(dragged, target);
    return;
  }
  const TripContext trip{document_, state_, Messages()};
  // A refused drop ends on its target; a move on the moved node (DropMove).
  dropChoice_ = ElementOfItem(target);
  switch (DecideDrop(dragged, target, state_.DualSystemFlag)) {
    case DropOutcome::Nothing:
      dropChoice_ = {};
      return;
    case DropOutcome::SeriesRefusedQuiet:  // the panel stays on the dragged EFV
      dropChoice_ = {};
      ShowPlain(kSeriesMessage);
      return;
    case DropOutcome::SeriesRefused:
      ShowPlain(kSeriesMessage);
      return;
    case DropOutcome::HighPressureRefused:
      ShowPlain(kHighPressureMessage);
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
      return;
  }
}

void MainWindow::DropMove(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  pugi::xml_node node = NodeOfItem(dragged);
  RecordEdit(QStringLiteral("Move '%1'").arg(dragged->text(0)), [&] {
    if (MoveNode(dragged, target)) dropChoice_ = node;
  });
}

void MainWindow::RefreshMaterialList() {
  QString text = QString::fromStdString(UpdateMaterialList(document_, state_));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txtMaterials_->setPlainText(text);
}

}  // namespace cv::ui
