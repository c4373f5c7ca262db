// The appliance panel's handlers that need the tree and the document: the
// device kind and EFV model lists and the update command.
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "project/document.h"
#include "sizing/network_calculation.h"
#include "sizing/units.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/shown_values.h"
#include "ui/tree/edit_notes.h"
#include "ui/tree/efv_rules.h"
#include "ui/tree/tree_items.h"
#include "ui/tree/trip_checks.h"
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
  const bool dual = state_.DualSystemFlag;
  const QString kind = p.cboAppliance->currentText();
  auto putBack = [&](const char* message, int position) {
    ShowPlain(message);
    SetListPosition(p.cboAppliance, position, [this] { cboAppliance_Click(); });
  };
  if (kind == kEFVKind && item) {
    const QString image = ItemImageKey(item);
    if (image == kEFVKind) {
      p.ShowEFVControls(true);
      p.txtLoad->setEnabled(false);
    } else if (image == QLatin1String("Regulator") && dual) {
      putBack(kHighPressureMessage, PreviousApplianceIndex);
    } else if (!EFVOnHighPressureSide(item, dual)) {
      putBack(kHighPressureMessage, PreviousApplianceIndex);
      p.ShowEFVControls(false);
    } else if (!CanAddEFVAtThePresentNode(item)) {
      putBack(kSeriesMessage, PreviousApplianceIndex);
      p.ShowEFVControls(false);
    } else {
      p.ShowEFVControls(true);
      SetListPosition(p.cboEFV, kFirstEFVModel, [this] { cboEFV_Click(); });
      p.txtLoad->setEnabled(false);
    }
  } else if (kind != kEFVKind) {
    p.ShowEFVControls(false);
  }
  if (kind == QLatin1String("Regulator") && item && !RegulatorChildOfEFV(item, dual))
    putBack(kHighPressureMessage, kRegulatorFallbackKind);
  // The load box follows the choice at once, not only after Update.
  if (item) ApplyLoadBoxRule(item);
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
  const TripContext trip{document_, state_, Messages()};
  const std::string model = p.cboEFV->currentText().toStdString();
  if (FieldText(node, "appliance") != "EFV") {
    TripResult result = CheckNewEFV(node, model, trip);
    if (!result.passed && result.answer == MessageAnswer::Ok) ResetNewEFVChoice(node);
    return;
  }
  TripResult result = CheckTripFlow(AddLoads(node), model, trip);
  if (!result.passed && result.answer == MessageAnswer::Ok)
    SetListPositionQuietly(p.cboEFV, PreviousEFVIndex);
}

bool MainWindow::TripChecksAllowUpdate(QTreeWidgetItem* item) {
  AppliancePanel& p = *panel_;
  const TripContext trip{document_, state_, Messages()};
  const QString kind = p.cboAppliance->currentText();
  if (ItemImageKey(item) != kEFVKind && kind == kEFVKind) {
    pugi::xml_node node = NodeOfItem(item);
    if (!node) return true;
    TripResult result = CheckNewEFV(node, p.cboEFV->currentText().toStdString(), trip);
    if (!result.passed && result.answer == MessageAnswer::Ok) ResetNewEFVChoice(node);
    return result.passed;
  }
  if (CompareEFVTripflowToLoads(item, QString::fromStdString(TypedNumber(*p.txtLoad)), kind, trip))
    return true;
  // Refused: the box shows the load that is stored again, so that a second
  // Update cannot store a load nobody typed.
  p.txtLoad->setText(ShownQuantity(FieldText(NodeOfItem(item), "load"), "Load", state_.UnitSystem));
  return false;
}

bool MainWindow::StorePanel(QTreeWidgetItem* item) {
  // The gas supply has nothing the panel could store; its disabled boxes
  // are not checked and the project does not count as changed.
  if (!item || IsGasSupplyItem(item)) return true;
  // The trip checks read the load box: it must hold a number first.
  if (!panel_->ValidateInputs(Messages()) || !TripChecksAllowUpdate(item)) return false;
  // The panel writes only into the node it shows.
  Q_ASSERT(NodeOfItem(item) == currentNode_);
  RecordEdit(QStringLiteral("Update '%1'").arg(panel_->txtDescription->text()), [&] {
    UpdateNode(item);
    SetEFVPresence(document_, state_);
    WriteEFVEnabled();
  });
  return true;
}

void MainWindow::cmdUpdate_Click() {
  QTreeWidgetItem* item = SelectedItem();
  if (StorePanel(item) && item) ClickNode(item);
}

void MainWindow::WriteEFVEnabled() {
  SetFieldText(ProjectRoot(document_), "EFVEnabled", state_.EFVPresent ? "True" : "False");
}

}  // namespace cv::ui
