#include "ui/panels/appliance_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/messages.h"
#include "core/number_text.h"
#include "reports/pressure_readings.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/panels/panel_keys.h"
#include "ui/panels/shown_values.h"

namespace cv::ui {
namespace {

template <typename T>
T* Make(QWidget* parent, const char* name, const QString& caption = {}) {
  T* widget = new T(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if constexpr (std::is_same_v<T, QLabel> || std::is_same_v<T, QCheckBox> ||
                std::is_same_v<T, QPushButton>) {
    widget->setText(caption);
  }
  return widget;
}

QString Qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

void ShowWidgets(std::initializer_list<QWidget*> widgets, bool visible) {
  for (QWidget* w : widgets) w->setVisible(visible);
}

void EnableWidgets(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* w : widgets) w->setEnabled(enabled);
}

bool Reject(MessageSink& messages, QLineEdit* field, const char* text) {
  messages.Show({text, "Error", MessageButtons::Ok, MessageIcon::Exclamation});
  field->setFocus();
  return false;
}

}  // namespace

AppliancePanel::AppliancePanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Appliance Settings"), parent),
      lblParentLabel(Make<QLabel>(this, "lblParentLabel", QStringLiteral("Parent:"))),
      lblParent(Make<QLabel>(this, "lblParent")),
      lblDescription(Make<QLabel>(this, "lblDescription", QStringLiteral("Description:"))),
      txtDescription(Make<QLineEdit>(this, "txtDescription")),
      lblAppliance(Make<QLabel>(this, "lblAppliance", QStringLiteral("Device or Appliance:"))),
      cboAppliance(Make<QComboBox>(this, "cboAppliance")),
      lblEFV(Make<QLabel>(this, "lblEFV", QStringLiteral("EFV:"))),
      cboEFV(Make<QComboBox>(this, "cboEFV")),
      lblLoad(Make<QLabel>(this, "lblLoad", QStringLiteral("Load:"))),
      txtLoad(Make<QLineEdit>(this, "txtLoad")),
      lblLoadLabel(Make<QLabel>(this, "lblLoadLabel", QStringLiteral("kBTU"))),
      lblLength(Make<QLabel>(this, "lblLength", QStringLiteral("Length:"))),
      txtLength(Make<QLineEdit>(this, "txtLength")),
      lblLengthLabel(Make<QLabel>(this, "lblLengthLabel", QStringLiteral("ft"))),
      lblMaterial(Make<QLabel>(this, "lblMaterial", QStringLiteral("Material:"))),
      cboMaterial(Make<QComboBox>(this, "cboMaterial")),
      lblMaterialSizeLabel(Make<QLabel>(this, "lblMaterialSizeLabel", QStringLiteral("Size:"))),
      cboMaterialSize(Make<QComboBox>(this, "cboMaterialSize")),
      lblPressureDrop(Make<QLabel>(this, "lblPressureDrop", QStringLiteral("Drop from supply:"))),
      txtPressureDrop(Make<QLineEdit>(this, "txtPressureDrop")),
      lblPressureDropUnit(Make<QLabel>(this, "lblPressureDropUnit", QStringLiteral("in W.C."))),
      lblDeliveredPressure(
          Make<QLabel>(this, "lblDeliveredPressure", QStringLiteral("Delivered pressure:"))),
      txtDeliveredPressure(Make<QLineEdit>(this, "txtDeliveredPressure")),
      lblDeliveredPressureUnit(
          Make<QLabel>(this, "lblDeliveredPressureUnit", QStringLiteral("in W.C."))),
      chkFixedSize(Make<QCheckBox>(this, "chkFixedSize", QStringLiteral("Fixed Size"))),
      cmdUpdate(Make<QPushButton>(this, "cmdUpdate", QStringLiteral("Update"))) {
  setObjectName(QStringLiteral("fApplianceData"));
  chkFixedSize->setToolTip(QStringLiteral(
      "Select this option if you want to specify the exact size of material to use for this "
      "length."));
  LayOut();
  GiveAccessKeys(*this);
  connect(cboMaterial, &QComboBox::activated, this, [this] { cboMaterial_Click(); });
  connect(chkFixedSize, &QCheckBox::clicked, this, [this] { chkFixedSize_Click(); });
}

void AppliancePanel::LayOut() {
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  grid->setColumnStretch(1, 1);
  int row = 0;
  auto addRow = [&](QWidget* label, QWidget* field, QWidget* extra = nullptr) {
    grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(field, row, 1, 1, extra ? 1 : 2);
    if (extra) grid->addWidget(extra, row, 2);
    ++row;
  };
  lblParent->setMinimumWidth(160);
  addRow(lblParentLabel, lblParent);
  addRow(lblDescription, txtDescription);
  addRow(lblAppliance, cboAppliance);
  addRow(lblEFV, cboEFV);
  addRow(lblLoad, txtLoad, lblLoadLabel);
  addRow(lblLength, txtLength, lblLengthLabel);
  addRow(lblMaterial, cboMaterial);
  addRow(lblMaterialSizeLabel, cboMaterialSize);
  grid->addWidget(chkFixedSize, row++, 1, 1, 2);
  // Results, not inputs (shown read-only): outside the panel's enabling.
  addRow(lblPressureDrop, txtPressureDrop, lblPressureDropUnit);
  addRow(lblDeliveredPressure, txtDeliveredPressure, lblDeliveredPressureUnit);
  grid->addWidget(cmdUpdate, row++, 1, 1, 2, Qt::AlignLeft);
  grid->setRowStretch(row, 1);
  lblLoadLabel->setMinimumWidth(
      lblLoadLabel->fontMetrics().horizontalAdvance(QStringLiteral("kBTU")) + 4);
  cmdUpdate->setMinimumWidth(120);
}

void AppliancePanel::FillLists() {
  cboMaterial->clear();
  for (std::string_view material : kMaterials) cboMaterial->addItem(Qs(material));
  cboAppliance->clear();
  for (std::string_view kind : kDeviceKinds) cboAppliance->addItem(Qs(kind));
}

void AppliancePanel::cboMaterial_Click() {
  cboMaterialSize->setEnabled(true);
  cboMaterialSize->clear();
  const std::string material = cboMaterial->currentText().toStdString();
  for (int i = 0; i < SizeCount(material); ++i)
    cboMaterialSize->addItem(QString::fromStdString(SizeNameAt(i, material)));
  if (!chkFixedSize->isChecked()) cboMaterialSize->setEnabled(false);
}

void AppliancePanel::chkFixedSize_Click() {
  if (!chkFixedSize->isChecked()) {
    cboMaterialSize->setEnabled(false);
    return;
  }
  const QString remembered = cboMaterialSize->currentText();
  cboMaterial_Click();
  int position = 0;
  // A size of another material (after a material change) is not in the new
  // list: the first size is taken then, never an empty choice.
  if (!remembered.isEmpty() && !remembered.contains(QStringLiteral("Update"))) {
    position = SizeIndexOf(remembered.toStdString(), cboMaterial->currentText().toStdString());
    if (position < 0) position = 0;
  }
  cboMaterialSize->setCurrentIndex(position);
}

void AppliancePanel::EnableInputs() {
  EnableWidgets({txtDescription, txtLoad, txtLength, cboMaterial, chkFixedSize}, true);
  cboMaterialSize->setEnabled(chkFixedSize->isChecked());
  EnableWidgets({cboAppliance, cboEFV}, true);
}

void AppliancePanel::DisableInputs() {
  EnableWidgets({txtDescription, txtLoad, txtLength, cboMaterial, cboMaterialSize, chkFixedSize,
                 cboAppliance, cboEFV},
                false);
}

void AppliancePanel::ShowNodeControls(bool visible) {
  ShowWidgets({lblParentLabel, lblLengthLabel, lblLength, txtLength, cboMaterial, lblMaterial,
               cboMaterialSize, chkFixedSize, lblMaterialSizeLabel, cboAppliance, lblAppliance,
               lblPressureDrop, txtPressureDrop, lblPressureDropUnit, lblDeliveredPressure,
               txtDeliveredPressure, lblDeliveredPressureUnit},
              visible);
}

void AppliancePanel::ShowEFVControls(bool visible) { ShowWidgets({cboEFV, lblEFV}, visible); }

bool AppliancePanel::ValidateInputs(MessageSink& messages) {
  const std::string load = TypedNumber(*txtLoad);
  const std::string length = TypedNumber(*txtLength);
  if (!IsNumeric(load)) return Reject(messages, txtLoad, "Load and length must be numeric...");
  if (!IsNumeric(length)) return Reject(messages, txtLength, "Load and length must be numeric...");
  const char* negative = "Load and length must be greater than 0...";
  if (ParseNumber(load) < 0) return Reject(messages, txtLoad, negative);
  if (ParseNumber(length) < 0) return Reject(messages, txtLength, negative);
  // Far beyond any building, and small enough that a run's pressure drop
  // stays a number: a larger value would end the calculation in an overflow.
  constexpr double kLargest = 1e9;
  const char* tooLarge = "Load and length must be less than 1000000000...";
  if (ParseNumber(load) >= kLargest) return Reject(messages, txtLoad, tooLarge);
  if (ParseNumber(length) >= kLargest) return Reject(messages, txtLength, tooLarge);
  return true;
}

void AppliancePanel::SetUnitLabels(std::string_view unitSystem) {
  lblLoadLabel->setText(QString::fromStdString(LoadUnitCaption(unitSystem)));
  lblLengthLabel->setText(QString::fromStdString(LengthUnitCaption(unitSystem)));
  DescribeUnits(*this, unitSystem);
  SetPressureUnit(SystemPressureUnit(unitSystem));
}

void AppliancePanel::SetPressureUnit(PressureUnit unit) {
  const std::string_view caption = PressureUnitCaption(unit);
  const QString pressure =
      QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  lblPressureDropUnit->setText(pressure);
  lblDeliveredPressureUnit->setText(pressure);
  DescribePressures(*this, unit);
}

void AppliancePanel::ShowPressures(const RunPressureTexts& texts) {
  txtPressureDrop->setText(QString::fromStdString(texts.dropFromSupply));
  txtDeliveredPressure->setText(QString::fromStdString(texts.delivered));
  SetPressureUnit(texts.unit);
}

}  // namespace cv::ui
