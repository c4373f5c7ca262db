#include "ui/panels/supply_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "sizing/tables.h"
#include "supply/supply_presets.h"
#include "ui/panels/click_on_set.h"
#include "ui/panels/panel_keys.h"
#include "ui/panels/shown_values.h"

namespace cv::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void Enable(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* w : widgets) w->setEnabled(enabled);
}

}  // namespace

SupplyPanel::SupplyPanel(pugi::xml_document& document, ProgramState& state, MessageSink& messages,
                         Hooks hooks, QWidget* parent)
    : QWidget(parent),
      document_(document),
      state_(state),
      messages_(messages),
      hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("SupplyPanel"));
  LayOut();
  GiveAccessKeys(*this);
  ConnectHandlers();
  // The frames start as the unchecked dual boxes want them.
  chkMetricDualPressure_Click();
  chkDeliveryDualPressure_Click();
}

void SupplyPanel::ConnectHandlers() {
  // Only user actions emit these signals; code that sets a control runs the
  // handler itself (ui/click_on_set.h).
  connect(cboGasType, &QComboBox::activated, this, [this] { cboGasType_Click(); });
  connect(cboSupplyPressure, &QComboBox::activated, this, [this] { cboSupplyPressure_Click(); });
  connect(calculationMethods, &QButtonGroup::idClicked, this, [this](int id) {
    // The user-defined boxes are disabled until that method is chosen.
    const bool starting = id == static_cast<int>(SupplyMethod::UserDefined) &&
                          !txtMetricSupplyPressureDrop->isEnabled();
    CalculationMethod_Click(id);
    if (starting) StartUserDefinedMethod();
  });
  connect(chkMetricDualPressure, &QCheckBox::clicked, this,
          [this] { chkMetricDualPressure_Click(); });
  connect(chkDeliveryDualPressure, &QCheckBox::clicked, this,
          [this] { chkDeliveryDualPressure_Click(); });
  connect(cmdUpdateSupplyParameters, &QPushButton::clicked, this,
          [this] { cmdUpdateSupplyParameters_Click(); });
}

void SupplyPanel::FillLists() {
  const QSignalBlocker blocker(cboGasType);
  cboGasType->clear();
  for (std::string_view gas : kGasTypes) cboGasType->addItem(Q(std::string(gas)));
  SetListPosition(cboGasType, 0, [this] { cboGasType_Click(); });
}

void SupplyPanel::cboGasType_Click() {
  const int gas = cboGasType->currentIndex();
  {
    const QSignalBlocker blockSupply(cboSupplyPressure);
    const QSignalBlocker blockInternal(cboInternalPressure);
    cboSupplyPressure->clear();
    cboInternalPressure->clear();
    for (const SupplyPreset& p : SupplyPresets(gas, kSupplyList))
      cboSupplyPressure->addItem(QString::fromUtf8(p.text));
    for (const SupplyPreset& p : SupplyPresets(gas, kInternalList))
      cboInternalPressure->addItem(QString::fromUtf8(p.text));
  }
  SetListPosition(cboSupplyPressure, 1, [this] { cboSupplyPressure_Click(); });
  SetListPositionQuietly(cboInternalPressure, 0);
}

void SupplyPanel::cboSupplyPressure_Click() {
  const bool high =
      IsHighPressurePreset(cboGasType->currentIndex(), cboSupplyPressure->currentIndex());
  ShowFixedInternalPressure(high);
}

void SupplyPanel::ShowFixedInternalPressure(bool visible) {
  lblInternalPressureLabel->setVisible(visible);
  cboInternalPressure->setVisible(visible);
  fraLowFixedpressure->setVisible(visible);
  fraHighFixedpressure->setTitle(visible ? tr("High Pressure") : tr("Low Pressure"));
}

void SupplyPanel::EnableUserDefinedInputs(bool enabled) {
  Enable({txtMetricSupplyPressureDrop, txtUserDefinedAllowablePressureDrop,
          txtUserDefinedInternalLowSupplyPressureDrop, txtMetricInternalPressureDrop,
          chkMetricDualPressure},
         enabled);
}

void SupplyPanel::EnableDeliveryInputs(bool enabled) {
  Enable({txtDeliveryPressureHighSupplyPressure, txtDeliveryPressureHighSupplyAllowedPressureDrop,
          txtDeliveryPressureInternalLowSupplyPressure,
          txtDeliveryPressureInternalLowDeliveryPressure, chkDeliveryDualPressure},
         enabled);
}

void SupplyPanel::CalculationMethod_Click(int method) {
  switch (method) {
    case 0:
      Enable({cboSupplyPressure, cboInternalPressure}, true);
      ClearDeliveryInputs();
      ClearUserDefinedInputs();
      EnableDeliveryInputs(false);
      EnableUserDefinedInputs(false);
      break;
    case 1:
      ClearDeliveryInputs();
      EnableUserDefinedInputs(true);
      chkMetricDualPressure_Click();
      Enable({cboSupplyPressure, cboInternalPressure}, false);
      EnableDeliveryInputs(false);
      break;
    default:
      ClearUserDefinedInputs();
      EnableDeliveryInputs(true);
      Enable({cboSupplyPressure, cboInternalPressure}, false);
      EnableUserDefinedInputs(false);
      chkDeliveryDualPressure_Click();
      break;
  }
}

void SupplyPanel::SetMethod(SupplyMethod method) {
  QAbstractButton* button = calculationMethods->button(static_cast<int>(method));
  {
    const QSignalBlocker blocker(button);
    button->setChecked(true);
  }
  CalculationMethod_Click(static_cast<int>(method));
}

void SupplyPanel::ShowUserDefinedInternal(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           fraLowUserdefined, txtMetricInternalPressureDrop,
           txtUserDefinedInternalLowSupplyPressureDrop, lblMetricInternalPressureDropLabel,
           lblMetricInternalPressureDropUnits, lblUserDefinedAllowableInternalPressureDrop,
           lblUserDefinedAllowableInternalPressureDropUnits})
    w->setVisible(visible);
  Enable({txtMetricInternalPressureDrop, txtUserDefinedInternalLowSupplyPressureDrop}, visible);
}

void SupplyPanel::chkMetricDualPressure_Click() {
  const bool dual = chkMetricDualPressure->isChecked();
  ShowUserDefinedInternal(dual);
  // Without a dual system the high frame holds the single system's values.
  fraHighUserdefined->setTitle(dual ? tr("High Pressure") : tr("Low Pressure"));
}

void SupplyPanel::chkDeliveryDualPressure_Click() {
  // The frames are stacked: hiding the high frame lets the low frame move up
  // into its place, and showing it puts the low frame back below.
  fraHighDeliveryPressureParms->setVisible(chkDeliveryDualPressure->isChecked());
  fraLowDeliveryPressureParms->setVisible(true);
}

void SupplyPanel::ClearDeliveryInputs() {
  SupplyBoxTexts boxes = BoxTexts();
  cv::ClearDeliveryInputs(boxes);
  SetBoxTexts(boxes);
}

void SupplyPanel::ClearUserDefinedInputs() {
  SupplyBoxTexts boxes = BoxTexts();
  cv::ClearUserDefinedInputs(boxes);
  SetBoxTexts(boxes);
}

void SupplyPanel::StartUserDefinedMethod() {
  SupplyBoxTexts boxes = BoxTexts();
  FillUserDefinedStartValues(document_, chkMetricDualPressure->isChecked(), boxes);
  SetBoxTexts(boxes);
}

void SupplyPanel::ShowDualTicks(bool metric, bool delivery) {
  SetCheckValue(chkMetricDualPressure, metric, [this] { chkMetricDualPressure_Click(); });
  SetCheckValue(chkDeliveryDualPressure, delivery, [this] { chkDeliveryDualPressure_Click(); });
}

void SupplyPanel::ResetForNewProject() {
  SetListPosition(cboGasType, 0, [this] { cboGasType_Click(); });
  SetListPosition(cboSupplyPressure, 1, [this] { cboSupplyPressure_Click(); });
  cboSupplyPressure->setEnabled(true);
  SetMethod(SupplyMethod::Fixed);
  // A tick the last project never applied must not carry over.
  ShowDualTicks(false, false);
  EnableDeliveryInputs(false);
  EnableUserDefinedInputs(false);
}

void SupplyPanel::ShowLoaded(const SupplyPanelValues& v) {
  SetListPosition(cboGasType, v.gasIndex, [this] { cboGasType_Click(); });
  SetMethod(v.method);
  SetListPosition(cboSupplyPressure, v.supplyPreset, [this] { cboSupplyPressure_Click(); });
  if (v.method == SupplyMethod::Fixed) ShowFixedInternalPressure(v.fixedHighFrames);
  SetListPositionQuietly(cboInternalPressure, v.internalPreset);
  // A method that has no tick of its own shows it cleared: a tick never
  // applied belongs to no project.
  ShowDualTicks(v.chkMetricDualPressure.value_or(false), v.chkDeliveryDualPressure.value_or(false));
  SetBoxTexts(v.boxes);
}

namespace {

using BoxField = std::pair<QLineEdit * SupplyPanel::*, std::string SupplyBoxTexts::*>;
constexpr BoxField kBoxFields[] = {
    {&SupplyPanel::txtMetricSupplyPressureDrop, &SupplyBoxTexts::txtMetricSupplyPressureDrop},
    {&SupplyPanel::txtUserDefinedAllowablePressureDrop,
     &SupplyBoxTexts::txtUserDefinedAllowablePressureDrop},
    {&SupplyPanel::txtUserDefinedInternalLowSupplyPressureDrop,
     &SupplyBoxTexts::txtUserDefinedInternalLowSupplyPressureDrop},
    {&SupplyPanel::txtMetricInternalPressureDrop, &SupplyBoxTexts::txtMetricInternalPressureDrop},
    {&SupplyPanel::txtDeliveryPressureHighSupplyPressure,
     &SupplyBoxTexts::txtDeliveryPressureHighSupplyPressure},
    {&SupplyPanel::txtDeliveryPressureHighSupplyAllowedPressureDrop,
     &SupplyBoxTexts::txtDeliveryPressureHighSupplyAllowedPressureDrop},
    {&SupplyPanel::txtDeliveryPressureInternalLowSupplyPressure,
     &SupplyBoxTexts::txtDeliveryPressureInternalLowSupplyPressure},
    {&SupplyPanel::txtDeliveryPressureInternalLowDeliveryPressure,
     &SupplyBoxTexts::txtDeliveryPressureInternalLowDeliveryPressure},
};

}  // namespace

// A box still showing the rounded value it was given, untouched by the
// user, stands for the exact value behind it, so an update with nothing
// changed stores what was there.
SupplyBoxTexts SupplyPanel::BoxTexts() const {
  SupplyBoxTexts texts;
  for (const auto& [box, field] : kBoxFields) {
    const QLineEdit* shown = this->*box;
    const std::string& exact = shownExactly_.*field;
    texts.*field = !shown->isModified() && shown->text() == RoundedForReading(exact)
                       ? exact
                       : TypedNumber(*shown);
  }
  return texts;
}

void SupplyPanel::SetBoxTexts(const SupplyBoxTexts& texts) {
  shownExactly_ = texts;
  for (const auto& [box, field] : kBoxFields)
    (this->*box)->setText(RoundedForReading(texts.*field));
}

SupplyPanelInput SupplyPanel::Input() const {
  SupplyPanelInput in;
  in.method = optFixedDropMethod->isChecked()         ? SupplyMethod::Fixed
              : optUserDefinedDropMethod->isChecked() ? SupplyMethod::UserDefined
                                                      : SupplyMethod::Delivery;
  in.gasIndex = cboGasType->currentIndex();
  in.supplyPreset = cboSupplyPressure->currentIndex();
  in.internalPreset = cboInternalPressure->currentIndex();
  in.boxes = BoxTexts();
  in.chkMetricDualPressure = chkMetricDualPressure->isChecked();
  in.chkDeliveryDualPressure = chkDeliveryDualPressure->isChecked();
  return in;
}

void SupplyPanel::cmdUpdateSupplyParameters_Click() {
  try {
    const SupplyEvaluation evaluation = EvaluateSupplyUpdate(Input());
    if (evaluation.internalDropSetToZero)
      txtMetricInternalPressureDrop->setText(QStringLiteral("0"));
    if (evaluation.failure)
      RefuseUpdate(*evaluation.failure);
    else
      WriteUpdate(evaluation.settings);
  } catch (const CvError& e) {
    if (hooks_.reportError)
      hooks_.reportError(e);
    else
      messages_.Show({StandardErrorText(e), "", MessageButtons::Ok, MessageIcon::None});
  }
}

void SupplyPanel::RefuseUpdate(const SupplyCheckFailure& failure) {
  messages_.Show({failure.message, "Error", MessageButtons::Ok, MessageIcon::Exclamation});
  if (auto* control = findChild<QWidget*>(Q(failure.focus))) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
  }
}

void SupplyPanel::WriteUpdate(const SupplySettings& settings) {
  auto write = [&] {
    ApplySupplySettings(document_, settings);
    // The document differs from the file from here on, even when a later
    // step fails: the offer to save must not miss it.
    if (hooks_.markModified) hooks_.markModified();
    if (hooks_.setUnitLabels) hooks_.setUnitLabels();
    if (hooks_.recalculate) hooks_.recalculate();
    if (hooks_.showFirstNode) hooks_.showFirstNode();
  };
  if (hooks_.record)
    hooks_.record(write);
  else
    write();
  if (hooks_.confirm) hooks_.confirm(tr("Supply parameters updated."));
}

}  // namespace cv::ui
