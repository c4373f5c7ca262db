// The appliance panel's handlers that check against the project: the
// device kind and EFV model lists and the update command.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/messages.h"
#include "edit/placement_rules.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "sizing/network_calculation.h"
#include "ui/editor/project_editor.h"
#include "ui/panels/appliance_controller.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/shown_values.h"

namespace cv::ui {
namespace {
const QString kEFVKind = QStringLiteral("EFV");
constexpr int kFirstEFVModel = 4;  // the model a new EFV starts with
constexpr int kRegulatorFallbackKind = 1;

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

std::string Text(const QComboBox* list) { return list->currentText().toStdString(); }

}  // namespace

void ApplianceController::cboAppliance_Click() {
  AppliancePanel& p = *panel_;
  const pugi::xml_node node = editor_.NodeInView();
  const QString kind = p.cboAppliance->currentText();
  if (!node) {
    if (kind != kEFVKind) p.ShowEFVControls(false);
    return;
  }
  const char* refusal =
      KindChangeRefusal(node, kind.toStdString().c_str(), editor_.EditedProject().IsDualSystem());
  const bool showModels = kind == kEFVKind && !refusal;
  p.ShowEFVControls(showModels);
  if (showModels) {
    // A node turned into an EFV starts with the first model; an EFV keeps
    // its own.
    if (!IsKind(node, "EFV")) SetListPosition(p.cboEFV, kFirstEFVModel, [this] { cboEFV_Click(); });
    p.txtLoad->setEnabled(false);
  }
  if (refusal) {
    messages_.Show({refusal, "", MessageButtons::Ok});
    // A regulator refused below an EFV falls back to the list's second entry.
    const int back =
        kind == QLatin1String("Regulator") ? kRegulatorFallbackKind : previousApplianceIndex_;
    SetListPosition(p.cboAppliance, back, [this] { cboAppliance_Click(); });
  }
  // The load box follows the choice at once, not only after Update.
  ApplyLoadBoxRule(node);
}

void ApplianceController::ResetNewEFVChoice(pugi::xml_node node) {
  AppliancePanel& p = *panel_;
  SetListText(p.cboAppliance, QString::fromStdString(FieldText(node, "appliance")),
              [this] { cboAppliance_Click(); });
  SetListPositionQuietly(p.cboEFV, kFirstEFVModel);
  p.ShowEFVControls(false);
}

void ApplianceController::cboEFV_Click() {
  AppliancePanel& p = *panel_;
  // The model list matters only while the kind list says EFV; resetting it
  // after a refusal must not check (and refuse) again.
  if (p.cboAppliance->currentText() != kEFVKind) return;
  const pugi::xml_node node = editor_.NodeInView();
  if (!node) return;
  const std::string model = Text(p.cboEFV);
  const EFVCatalog& catalog = editor_.EditedProject().Catalog();
  const bool isEFV = IsKind(node, "EFV");
  const TripRefusal refusal =
      isEFV ? CheckTripFlow(AddLoads(node), model, catalog) : CheckNewEFV(node, model, catalog);
  // Cancel keeps the chosen model, though the check failed.
  if (!refusal || messages_.Show(*refusal) != MessageAnswer::Ok) return;
  if (isEFV)
    SetListPositionQuietly(p.cboEFV, previousEFVIndex_);
  else
    ResetNewEFVChoice(node);
}

RunFields ApplianceController::PanelFields(pugi::xml_node node) const {
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

EditOutcome ApplianceController::UpdateNode(pugi::xml_node node) {
  // Converted before anything is written, so a failure writes nothing.
  const RunFields fields =
      WithContext("modTreeFunctions.UpdateNode", [&] { return PanelFields(node); });
  const EditOutcome outcome = editor_.EditedProject().UpdateRun(node, fields);
  if (outcome.status != EditStatus::Done) return outcome;
  editor_.NodeEdited(node);
  editor_.Calculate();
  return outcome;
}

void ApplianceController::AfterRefusedUpdate(pugi::xml_node node, const EditOutcome& outcome,
                                             bool becameEFV) {
  const MessageAnswer answer = messages_.Show(outcome.message);
  if (becameEFV) {
    if (answer == MessageAnswer::Ok) ResetNewEFVChoice(node);
    return;
  }
  // The box shows the load that is stored again, so that a second Update
  // cannot store a load nobody typed.
  panel_->txtLoad->setText(ShownQuantity(FieldText(node, "load"), "Load", UnitSystem()));
}

bool ApplianceController::StorePanel() {
  // The gas supply has nothing the panel could store; its disabled boxes
  // are not checked and the project does not count as changed.
  const pugi::xml_node node = editor_.NodeInView();
  if (!node) return true;
  // The trip checks read the load box: it must hold a number first.
  if (!panel_->ValidateInputs(messages_)) return false;
  const bool becameEFV = panel_->cboAppliance->currentText() == kEFVKind && !IsKind(node, "EFV");
  EditOutcome outcome;
  editor_.RecordEdit(QStringLiteral("Update '%1'").arg(panel_->txtDescription->text()),
                     [&] { outcome = UpdateNode(node); });
  if (outcome.status != EditStatus::Refused) return true;
  AfterRefusedUpdate(node, outcome, becameEFV);
  return false;
}

void ApplianceController::cmdUpdate_Click() {
  const pugi::xml_node node = editor_.NodeInView();
  if (StorePanel()) editor_.ShowNode(node);
}

}  // namespace cv::ui
