// Showing the node in view, and the pending edits asked about before the
// node is left.
#include "ui/panels/appliance_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/messages.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/carried_loads.h"
#include "sizing/stored_drops.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/editor/project_editor.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/shown_values.h"
#include "ui/seams/guarded.h"

namespace cv::ui {
namespace {

const QString kGasSupplyCaption = QStringLiteral("Gas Supply");

QString Text(const std::string& text) { return QString::fromStdString(text); }

std::string Text(const QComboBox* list) { return list->currentText().toStdString(); }

}  // namespace

ApplianceController::ApplianceController(AppliancePanel* panel, ProjectEditor& editor,
                                         MessageSink& messages, QObject* parent)
    : QObject(parent), panel_(panel), editor_(editor), messages_(messages) {
  const auto guarded = [this](void (ApplianceController::*handler)()) {
    return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
  };
  connect(panel_->cmdUpdate, &QPushButton::clicked, this,
          guarded(&ApplianceController::cmdUpdate_Click));
  connect(panel_->cboAppliance, &QComboBox::activated, this,
          guarded(&ApplianceController::cboAppliance_Click));
  connect(panel_->cboEFV, &QComboBox::activated, this, guarded(&ApplianceController::cboEFV_Click));
  // Enter in a text box of the panel stores the node as "Update" does.
  for (QLineEdit* box : {panel_->txtDescription, panel_->txtLoad, panel_->txtLength})
    connect(box, &QLineEdit::returnPressed, this, guarded(&ApplianceController::cmdUpdate_Click));
  connect(&editor_, &ProjectEditor::nodeShown, this,
          [this](pugi::xml_node node) { Guarded([&] { Show(node); }); });
  editor_.SetPendingEdits([this] { return SettlePendingEdits(); });
}

void ApplianceController::Guarded(const std::function<void()>& handler) {
  RunGuarded(messages_, handler);
}

std::string ApplianceController::UnitSystem() const { return editor_.EditedProject().UnitSystem(); }

void ApplianceController::SetUnitLabels() { panel_->SetUnitLabels(UnitSystem()); }

void ApplianceController::EditDescription() {
  panel_->txtDescription->setFocus();
  panel_->txtDescription->selectAll();
}

void ApplianceController::FocusFirstInput() {
  for (QWidget* box : std::initializer_list<QWidget*>{panel_->txtDescription, panel_->cboAppliance,
                                                      panel_->txtLoad, panel_->txtLength})
    if (box->isEnabled() && box->isVisibleTo(panel_)) {
      box->setFocus(Qt::ShortcutFocusReason);
      if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
      return;
    }
}

void ApplianceController::LoadCatalogue(const std::string& databasePath) {
  EFVCatalog& catalog = editor_.State().EFVCollection;
  panel_->cboEFV->clear();
  try {
    catalog.Load(databasePath);
    for (const std::string& id : EFVCatalog::ReadModelIds(databasePath))
      panel_->cboEFV->addItem(QString::fromStdString(id));
  } catch (const CvError& e) {
    // Without the catalogue the program still draws and sizes networks;
    // only EFVs cannot be chosen.
    catalog.Clear();
    panel_->cboEFV->clear();
    ReportError(messages_, e);
  }
}

void ApplianceController::ShowFirstChoices() {
  SetListPosition(panel_->cboMaterial, 0, [this] { panel_->cboMaterial_Click(); });
  SetListPosition(panel_->cboAppliance, 1, [this] { cboAppliance_Click(); });
}

// Only a kind that takes a load of its own has the box; the gas supply's load
// is the network's total.
void ApplianceController::ApplyLoadBoxRule(pugi::xml_node node) {
  panel_->txtLoad->setEnabled(node && !PassesLoadThrough(Text(panel_->cboAppliance)));
}

void ApplianceController::Show(pugi::xml_node node) {
  WithContext("modGlobals.ClickNode", [&] {
    if (!node) {
      ShowGasSupply();
      return;
    }
    panel_->EnableInputs();
    ShowNodeInPanel(node);
    ApplyLoadBoxRule(node);
    const Project& project = editor_.EditedProject();
    panel_->ShowPressures(RunPressures(node, StoredDropFromSource(node), project.UnitSystem(),
                                       project.IsDualSystem()));
  });
}

void ApplianceController::ShowGasSupply() {
  panel_->txtDescription->setText(kGasSupplyCaption);
  panel_->lblParent->clear();
  panel_->txtLoad->setText(
      ShownQuantity(FieldText(ProjectRoot(editor_.Doc()), "load"), "Load", UnitSystem()));
  panel_->DisableInputs();
  panel_->ShowNodeControls(false);
  panel_->ShowEFVControls(false);
  ApplyLoadBoxRule({});
}

void ApplianceController::ShowNodeInPanel(pugi::xml_node node) {
  AppliancePanel& p = *panel_;
  p.txtDescription->setText(Text(FieldText(node, "description")));
  pugi::xml_node parent = node.parent();
  p.lblParent->setText(IsSystemNode(parent) ? Text(FieldText(parent, "description"))
                                            : kGasSupplyCaption);
  const std::string units = UnitSystem();
  p.txtLoad->setText(ShownQuantity(FieldText(node, "load"), "Load", units));
  // The box edits the appliance's own load; where runs below add to it, the
  // total its run carries stands beside it.
  const std::string carried = CarriedLoads(editor_.Doc()).TextOf(node);
  QString loadCaption = Text(LoadUnitCaption(units));
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
  previousApplianceIndex_ = p.cboAppliance->currentIndex();
  const bool isEFV = p.cboAppliance->currentText() == QLatin1String("EFV");
  p.ShowEFVControls(isEFV);
  // Showing the stored model is not a choice of the user: no trip check.
  if (isEFV) SetListText(p.cboEFV, Text(FieldText(node, "ModelNumber")));
  previousEFVIndex_ = p.cboEFV->currentIndex();
}

bool ApplianceController::HasUnstoredEdits() const {
  const pugi::xml_node node = editor_.NodeInView();
  if (!node) return false;
  const AppliancePanel& p = *panel_;
  if (p.txtDescription->isModified() || p.txtLoad->isModified() || p.txtLength->isModified())
    return true;
  const std::string kind = Text(p.cboAppliance);
  const bool fixed = p.chkFixedSize->isChecked();
  return kind != FieldText(node, "appliance") ||
         Text(p.cboMaterial) != FieldText(node, "material") || fixed != IsSizeFixed(node) ||
         (fixed && Text(p.cboMaterialSize) != FieldText(node, "materialSize")) ||
         (kind == "EFV" && Text(p.cboEFV) != FieldText(node, "ModelNumber"));
}

bool ApplianceController::SettlePendingEdits() {
  if (!HasUnstoredEdits()) return true;
  const std::string question =
      "Apply the changes to '" + FieldText(editor_.NodeInView(), "description") + "'?";
  switch (messages_.Show({question, "", MessageButtons::YesNoCancel, MessageIcon::Exclamation})) {
    case MessageAnswer::Cancel:
      return false;
    case MessageAnswer::Yes:
      return StorePanel();
    default:
      return true;
  }
}

}  // namespace cv::ui
