// The tree's events: node click, mouse-up (pop-up menu, information box),
// the drop, and the page switch of the tab strip.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "core/number_text.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "reports/material_list.h"
#include "reports/pressure_readings.h"
#include "sizing/carried_loads.h"
#include "sizing/pressure_drop.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/panels/appliance_panel.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/tree_items.h"
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
  CalcContext ctx{state_.EFVCollection, ProjectRoot(copy)};
  ctx.carried = &carried;
  const double fromParent = PressureDropToSource(node, true, ctx);
  const double fromSource = PressureDropToSource(node, false, ctx);
  const PressureUnit unit = RunPressureUnit(node, UnitSystem(), project_.IsDualSystem());
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

void MainWindow::DropDecided(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  const pugi::xml_node node = NodeOfItem(dragged);
  const EditOutcome check = project_.CheckMove(node, ElementOfItem(target));
  // A refused drop ends on its target (unless the refusal says otherwise);
  // a move on the moved node.
  dropChoice_ = check.showTarget ? ElementOfItem(target) : pugi::xml_node();
  if (check.status == EditStatus::Refused) Messages().Show(check.message);
  if (check.status != EditStatus::Done) return;
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
