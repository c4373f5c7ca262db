// The appliance panel's handlers that need the tree and the document: the
// device kind and EFV model lists and the update command.
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "edit/placement_rules.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "sizing/network_calculation.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/shown_values.h"
#include "ui/tree/edit_notes.h"
#include "ui/tree/tree_items.h"
#include "ui/windows/main_window.h"

namespace cv::ui {
namespace {
const QString kEFVKind = QStringLiteral("EFV");
constexpr int kFirstEFVModel = 4;  // the model a new EFV starts with
constexpr int kRegulatorFallbackKind = 1;
}  // namespace

pugi::xml_node MainWindow::ElementOfItem(const QTreeWidgetItem* item) const {
  return IsGasSupplyItem(item) ? ProjectRoot(document_) : NodeOfItem(item);
}

void MainWindow::cmdAdd_Click() {
  RecordEdit(QStringLiteral("Add 'New Appliance'"), [this] { AddNode(SelectedItem()); });
}

void MainWindow::cmdRemove_Click() {
  QTreeWidgetItem* item = SelectedItem();
  pugi::xml_node node = NodeOfItem(item);
  if (!node) return;
  const std::string name = FieldText(node, "description");
  const std::size_t below = CountNodesBelow(node);
  RecordEdit(QStringLiteral("Remove '%1'").arg(QString::fromStdString(name)),
             [&] { RemoveNode(item); });
  statusBar()->showMessage(QString::fromStdString(RemovalNote(name, below)));
}

void MainWindow::cboAppliance_Click() {
  AppliancePanel& p = *panel_;
  QTreeWidgetItem* item = SelectedItem();
  const QString kind = p.cboAppliance->currentText();
  if (!item) {
    if (kind != kEFVKind) p.ShowEFVControls(false);
    return;
  }
  const pugi::xml_node node = NodeOfItem(item);
  const char* refusal =
      KindChangeRefusal(node, kind.toStdString().c_str(), project_.IsDualSystem());
  const bool showModels = kind == kEFVKind && !refusal;
  p.ShowEFVControls(showModels);
  if (showModels) {
    // A node turned into an EFV starts with the first model; an EFV keeps
    // its own.
    if (!IsKind(node, "EFV")) SetListPosition(p.cboEFV, kFirstEFVModel, [this] { cboEFV_Click(); });
    p.txtLoad->setEnabled(false);
  }
  if (refusal) {
    ShowPlain(refusal);
    // A regulator refused below an EFV falls back to the list's second entry.
    const int back =
        kind == QLatin1String("Regulator") ? kRegulatorFallbackKind : PreviousApplianceIndex;
    SetListPosition(p.cboAppliance, back, [this] { cboAppliance_Click(); });
  }
  // The load box follows the choice at once, not only after Update.
  ApplyLoadBoxRule(item);
}

void MainWindow::ResetNewEFVChoice(pugi::xml_node node) {
  AppliancePanel& p = *panel_;
  SetListText(p.cboAppliance, QString::fromStdString(FieldText(node, "appliance")),
              [this] { cboAppliance_Click(); });
  SetListPositionQuietly(p.cboEFV, kFirstEFVModel);
  p.ShowEFVControls(false);
}

void MainWindow::cboEFV_Click() {
  AppliancePanel& p = *panel_;
  // The model list matters only while the kind list says EFV; resetting it
  // after a refusal must not check (and refuse) again.
  if (p.cboAppliance->currentText() != kEFVKind) return;
  pugi::xml_node node = NodeOfItem(SelectedItem());
  if (!node) return;
  const std::string model = p.cboEFV->currentText().toStdString();
  const EFVCatalog& catalog = project_.Catalog();
  const bool isEFV = IsKind(node, "EFV");
  const TripRefusal refusal =
      isEFV ? CheckTripFlow(AddLoads(node), model, catalog) : CheckNewEFV(node, model, catalog);
  // Cancel keeps the chosen model, though the check failed.
  if (!refusal || Messages().Show(*refusal) != MessageAnswer::Ok) return;
  if (isEFV)
    SetListPositionQuietly(p.cboEFV, PreviousEFVIndex);
  else
    ResetNewEFVChoice(node);
}

void MainWindow::AfterRefusedUpdate(QTreeWidgetItem* item, const EditOutcome& outcome,
                                    bool becameEFV) {
  const MessageAnswer answer = Messages().Show(outcome.message);
  pugi::xml_node node = NodeOfItem(item);
  if (becameEFV) {
    if (answer == MessageAnswer::Ok) ResetNewEFVChoice(node);
    return;
  }
  // The box shows the load that is stored again, so that a second Update
  // cannot store a load nobody typed.
  panel_->txtLoad->setText(ShownQuantity(FieldText(node, "load"), "Load", UnitSystem()));
}

bool MainWindow::StorePanel(QTreeWidgetItem* item) {
  // The gas supply has nothing the panel could store; its disabled boxes
  // are not checked and the project does not count as changed.
  if (!item || IsGasSupplyItem(item)) return true;
  // The trip checks read the load box: it must hold a number first.
  if (!panel_->ValidateInputs(Messages())) return false;
  // The panel writes only into the node it shows.
  Q_ASSERT(NodeOfItem(item) == currentNode_);
  const bool becameEFV =
      panel_->cboAppliance->currentText() == kEFVKind && ItemImageKey(item) != kEFVKind;
  EditOutcome outcome;
  RecordEdit(QStringLiteral("Update '%1'").arg(panel_->txtDescription->text()),
             [&] { outcome = UpdateNode(item); });
  if (outcome.status != EditStatus::Refused) return true;
  AfterRefusedUpdate(item, outcome, becameEFV);
  return false;
}

void MainWindow::cmdUpdate_Click() {
  QTreeWidgetItem* item = SelectedItem();
  if (StorePanel(item) && item) ClickNode(item);
}

}  // namespace cv::ui
