// The operations that keep the tree and the project document in step: every
// change is made in the document first, then shown in the tree, and every
// change recalculates the network.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <unordered_map>

#include "edit/placement_rules.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/calc_result.h"
#include "sizing/carried_loads.h"
#include "sizing/network_calculation.h"
#include "sizing/stored_drops.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/shown_values.h"
#include "ui/results/diagram_page.h"
#include "ui/results/diagram_view.h"
#include "ui/seams/busy_cursor.h"
#include "ui/tree/network_tree.h"
#include "ui/tree/result_columns.h"
#include "ui/tree/tree_items.h"
#include "ui/tree/tree_reading.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

std::string Text(const QComboBox* list) { return list->currentText().toStdString(); }

}  // namespace

pugi::xml_node MainWindow::NodeOfItem(const QTreeWidgetItem* item) const {
  return ConvertTreeviewNodeToXMLNode(document_, item);
}

QTreeWidgetItem* MainWindow::GasSupplyItem() const { return tree_->topLevelItem(0); }

QTreeWidgetItem* MainWindow::SelectedItem() const { return tree_->currentItem(); }

void MainWindow::ClearTree() {
  // The panel must never hold a node whose item is gone.
  currentNode_ = {};
  tree_->RemoveAllItems();
}

QTreeWidgetItem* MainWindow::AddGasSupplyItem() {
  return tree_->AddItem(nullptr, kGasSupplyKey, kGasSupplyCaption, kLogoImage);
}

void MainWindow::ShowFirstNode() { ClickNode(GasSupplyItem()); }

void MainWindow::SelectGasSupply() {
  panel_->txtDescription->setText(kGasSupplyCaption);
  panel_->lblParent->clear();
  panel_->txtLoad->setText(
      ShownQuantity(FieldText(ProjectRoot(document_), "load"), "Load", UnitSystem()));
  panel_->DisableInputs();
}

void MainWindow::ShowItem(QTreeWidgetItem* item) {
  WithContext("modGlobals.ClickNode", [&] {
    if (!item) return;
    tree_->SetDropHighlight(item);
    diagramPage_->View()->SetSelectedNode(ItemId(item).toStdString());
    if (IsGasSupplyItem(item)) {
      currentNode_ = {};
      SelectGasSupply();
      panel_->ShowNodeControls(false);
      panel_->ShowEFVControls(false);
      ApplyLoadBoxRule(item);
      return;
    }
    panel_->EnableInputs();
    pugi::xml_node node = NodeOfItem(item);
    if (!node) return;
    currentNode_ = node;
    ShowNodeInPanel(node);
    ApplyLoadBoxRule(item);
    panel_->ShowPressures(
        RunPressures(node, StoredDropFromSource(node), UnitSystem(), project_.IsDualSystem()));
  });
}

void MainWindow::ShowNodeInPanel(pugi::xml_node node) {
  AppliancePanel& p = *panel_;
  p.txtDescription->setText(Text(FieldText(node, "description")));
  pugi::xml_node parent = node.parent();
  p.lblParent->setText(IsSystemNode(parent) ? Text(FieldText(parent, "description"))
                                            : kGasSupplyCaption);
  const std::string units = UnitSystem();
  p.txtLoad->setText(ShownQuantity(FieldText(node, "load"), "Load", units));
  // The box edits the appliance's own load; where runs below add to it, the
  // total its run carries stands beside it.
  const std::string carried = CarriedLoads(document_).TextOf(node);
  QString loadCaption = QString::fromStdString(LoadUnitCaption(units));
  if (carried != FieldText(node, "load"))
    loadCaption += QStringLiteral(" (run carries %1)").arg(ShownQuantity(carried, "Load", units));
  p.lblLoadLabel->setText(loadCaption);
  p.txtLength->setText(ShownQuantity(FieldText(node, "length"), "Length", units));
  const std::string material = FieldText(node, "material");
  SetListPosition(p.cboMaterial, MaterialIndexOf(material), [&p] { p.cboMaterial_Click(); });
  p.RefreshMaterialSizes();
  SetCheckValue(p.chkFixedSize, IsSizeFixed(node), [&p] { p.chkFixedSize_Click(); });
  const int sizeIndex = SizeIndexOf(FieldText(node, "materialSize"), material);
  SetListPositionQuietly(p.cboMaterialSize, sizeIndex >= 0 ? sizeIndex : 0);
  SetListPosition(p.cboAppliance, DeviceKindIndexOf(FieldText(node, "appliance")),
                  [this] { cboAppliance_Click(); });
  p.ShowNodeControls(true);
  PreviousApplianceIndex = p.cboAppliance->currentIndex();
  const bool isEFV = p.cboAppliance->currentText() == QLatin1String("EFV");
  p.ShowEFVControls(isEFV);
  // Showing the stored model is not a choice of the user: no trip check.
  if (isEFV) SetListText(p.cboEFV, Text(FieldText(node, "ModelNumber")));
  PreviousEFVIndex = p.cboEFV->currentIndex();
}

QTreeWidgetItem* MainWindow::AddNode(QTreeWidgetItem* parentItem) {
  if (!parentItem) return nullptr;
  const pugi::xml_node node = project_.AddRun(ElementOfItem(parentItem));
  if (!node) return nullptr;
  QTreeWidgetItem* item =
      tree_->AddItem(parentItem, Text(NodeId(node)) + QStringLiteral(" New Appliance"),
                     QStringLiteral("New Appliance"), kNewNodeImage);
  parentItem->setExpanded(true);
  Calculate();
  ClickNode(item);
  tree_->scrollToItem(item);
  panel_->txtDescription->setFocus();
  panel_->txtDescription->selectAll();
  return item;
}

void MainWindow::RemoveNode(QTreeWidgetItem* item) {
  WithContext("modTreeFunctions.RemoveNode", [&] {
    if (!item || IsGasSupplyItem(item)) return;
    pugi::xml_node node = NodeOfItem(item);
    if (!node) return;
    // The panel must never hold a node that is gone.
    if (IsSameOrBelow(currentNode_, node)) currentNode_ = {};
    project_.RemoveRun(node);
    Calculate();
    ClickNode(item->parent());
    delete item;
  });
}

RunFields MainWindow::PanelFields(pugi::xml_node node) const {
  const AppliancePanel& p = *panel_;
  const std::string units = UnitSystem();
  return {Text(p.txtDescription),
          StoredQuantity(*p.txtLoad, FieldText(node, "load"), "Load", units),
          StoredQuantity(*p.txtLength, FieldText(node, "length"), "Length", units),
          Text(p.cboMaterial),
          Text(p.cboMaterialSize),
          Text(p.cboAppliance),
          p.chkFixedSize->isChecked(),
          Text(p.cboEFV)};
}

EditOutcome MainWindow::UpdateNode(QTreeWidgetItem* item) {
  const EditOutcome nothing{EditStatus::Unchanged, {}, false};
  if (!item || IsGasSupplyItem(item)) return nothing;
  pugi::xml_node node = NodeOfItem(item);
  if (!node) return nothing;
  // Converted before anything is written, so a failure writes nothing.
  const RunFields fields =
      WithContext("modTreeFunctions.UpdateNode", [&] { return PanelFields(node); });
  const EditOutcome outcome = project_.UpdateRun(node, fields);
  if (outcome.status != EditStatus::Done) return outcome;
  SetItemKey(item, Text(NodeId(node)) + QLatin1Char(' ') + Text(fields.description));
  item->setText(0, Text(fields.description));
  SetItemImage(item, Text(fields.appliance));
  Calculate();
  return outcome;
}

QTreeWidgetItem* MainWindow::AddNodeItem(pugi::xml_node node, QTreeWidgetItem* parentItem) {
  const QString text = Text(FieldText(node, "description"));
  // Every kind has its own picture; only the gas supply shows the logo.
  const QString image = Text(FieldText(node, "appliance"));
  return tree_->AddItem(parentItem, Text(NodeId(node)) + QLatin1Char(' ') + text, text, image);
}

void MainWindow::AddChildren(pugi::xml_node element, QTreeWidgetItem* parentItem) {
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element || !child.first_child()) continue;
    if (QString::fromUtf8(child.name()).compare(QLatin1String("systemnode"), Qt::CaseInsensitive) !=
        0)
      continue;
    AddChildren(child, AddNodeItem(child, parentItem));
  }
}

void MainWindow::BuildTreeFromDocument() {
  ClearTree();
  QTreeWidgetItem* gasSupply = AddGasSupplyItem();
  AddChildren(ProjectRoot(document_), gasSupply);
  gasSupply->setExpanded(true);
  ShowCalculatedValues();
}

bool MainWindow::MoveNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
  bool moved = false;
  pugi::xml_node node;
  const QStringList expanded = ExpandedIds();
  try {
    if (ItemKey(dragged).isEmpty() || ItemKey(target).isEmpty()) return false;
    node = NodeOfItem(dragged);
    const EditOutcome outcome = project_.MoveRun(node, ElementOfItem(target));
    if (outcome.status == EditStatus::Refused) Messages().Show(outcome.message);
    if (outcome.status != EditStatus::Done) return false;
    moved = true;
    Calculate();
  } catch (const CvError& e) {
    Messages().Show(
        {"MoveNode - Error #" + std::to_string(e.number()) + "\n" + e.description() + "\n", "",
         MessageButtons::Ok});
  }
  // Once the document has changed the tree shows it, even after a failed
  // calculation, with the same items expanded and the moved node shown.
  if (moved) Guarded([&] { RebuildTree(expanded, node); });
  return moved;
}

void MainWindow::Calculate() {
  {
    BusyCursor busy;
    RunCalculation();
  }
  ShowCalculatedValues();
}

void MainWindow::ShowCalculatedValues() {
  // One walk of the document and one of the tree: each item finds its node
  // (the first of its id, as NodeOfItem) in the table of ids.
  std::unordered_map<QString, std::pair<pugi::xml_node, double>> runs;
  for (const auto& [node, drop] : StoredDropsFromSource(document_))
    runs.try_emplace(QString::fromUtf8(node.first_attribute().value()), node, drop);
  std::unordered_map<QString, QString> failures;
  for (const RunResult& run : result_.runs)
    if (run.status != RunStatus::Sized) failures.try_emplace(Text(run.id), Text(run.message));
  const CarriedLoads carried(document_);
  const std::string units = UnitSystem();
  const bool dual = project_.IsDualSystem();
  tree_->setHeaderLabels(TreeColumnHeaders(units));
  int failed = 0;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    QTreeWidgetItem* item = *it;
    if (IsGasSupplyItem(item)) {
      ShowSupplyResults(item, ProjectRoot(document_), units);
      continue;
    }
    const QString id = ItemId(item);
    const auto run = runs.find(id);
    if (run != runs.end())
      ShowRunResults(item, run->second.first, carried.TextOf(run->second.first), run->second.second,
                     units, dual);
    const auto failure = failures.find(id);
    MarkSizingFailure(item, failure != failures.end() ? failure->second : QString());
    if (run != runs.end()) ShowReading(item, run->second.first, units, dual);
    failed += failure != failures.end() ? 1 : 0;
  }
  ShowFailedRunCount(failed);
  ResultsChanged();
}

QString MainWindow::ItemToolTip(const QTreeWidgetItem* item) const {
  const QString failure = SizingFailureOf(item);
  if (!failure.isEmpty()) return failure;
  const pugi::xml_node node = NodeOfItem(item);
  return node ? Text(RunSummary(node, UnitSystem(), project_.IsDualSystem())) : QString();
}

void MainWindow::ResetToNewProject() {
  SetCaption(QStringLiteral("CORVANTA Sizing Application - New Project"));
  ClearTree();
  currentNode_ = {};
  QTreeWidgetItem* gasSupply = AddGasSupplyItem();
  editor_.NewProject();
  ShowCalculatedValues();
  ClickNode(gasSupply);
  StartHistory();
}

}  // namespace cv::ui
