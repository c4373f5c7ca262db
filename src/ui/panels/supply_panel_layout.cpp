// The supply panel's controls and their arrangement. Each method's inputs
// stand under its option button; the delivery frames are stacked so that a
// hidden high-pressure frame lets the low-pressure frame move up into its
// place.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/panels/supply_panel.h"

namespace cv::ui {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Label(const QString& caption, const char* name = "") {
  return Named(new QLabel(caption), name);
}

QGroupBox* Frame(const char* name, const QString& caption) {
  auto* frame = Named(new QGroupBox(caption), name);
  auto* grid = new QGridLayout;
  grid->setColumnStretch(3, 1);  // the space left over goes after the units
  frame->setLayout(grid);
  return frame;
}

// A caption, a box and a unit caption in the next row of a frame.
void AddRow(QGroupBox* frame, QLabel* caption, QWidget* box, QLabel* unit = nullptr) {
  auto* grid = static_cast<QGridLayout*>(frame->layout());
  const int row = grid->rowCount();
  caption->setBuddy(box);
  grid->addWidget(caption, row, 0);
  grid->addWidget(box, row, 1);
  if (unit) grid->addWidget(unit, row, 2);
}

// A row whose caption and unit need no name of their own.
void AddRow(QGroupBox* frame, const QString& caption, QWidget* box, const QString& unit) {
  AddRow(frame, Label(caption), box, Label(unit));
}

QLineEdit* Box(const char* name) {
  auto* box = Named(new QLineEdit, name);
  box->setMaximumWidth(90);
  return box;
}

QWidget* Indented(QLayout* content) {
  auto* holder = new QWidget;
  content->setContentsMargins(24, 0, 0, 8);
  holder->setLayout(content);
  return holder;
}

}  // namespace

void SupplyPanel::LayOut() {
  BuildMethodChoice();
  BuildFixedFrames();
  BuildUserDefinedFrames();
  BuildDeliveryFrames();
  cmdUpdateSupplyParameters =
      Named(new QPushButton(tr("Update Supply Parameters")), "cmdUpdateSupplyParameters");
  Arrange();
}

void SupplyPanel::BuildMethodChoice() {
  lblGasType = Label(tr("Gas Type:"), "lblGasType");
  cboGasType = Named(new QComboBox, "cboGasType");
  calculationMethods = Named(new QButtonGroup(this), "optUnitType");
  optFixedDropMethod = Named(new QRadioButton(tr("Fixed Pressure Drop Method")), "optUnitType0");
  optUserDefinedDropMethod =
      Named(new QRadioButton(tr("User-Defined Pressure Drop Method (Metric mb)")), "optUnitType1");
  optDeliveryPressureMethod =
      Named(new QRadioButton(tr("Delivery Pressure Method")), "optUnitType2");
  calculationMethods->addButton(optFixedDropMethod, 0);
  calculationMethods->addButton(optUserDefinedDropMethod, 1);
  calculationMethods->addButton(optDeliveryPressureMethod, 2);
}

void SupplyPanel::BuildFixedFrames() {
  fraHighFixedpressure = Frame("fraHighFixedpressure", tr("Low Pressure"));
  lblSupplyPressureLabel = Label(tr("Supply Pressure:"), "lblSupplyPressureLabel");
  cboSupplyPressure = Named(new QComboBox, "cboSupplyPressure");
  AddRow(fraHighFixedpressure, lblSupplyPressureLabel, cboSupplyPressure);
  fraLowFixedpressure = Frame("fraLowFixedpressure", tr("Low Pressure"));
  lblInternalPressureLabel = Label(tr("Internal Pressure:"), "lblInternalPressureLabel");
  cboInternalPressure = Named(new QComboBox, "cboInternalPressure");
  AddRow(fraLowFixedpressure, lblInternalPressureLabel, cboInternalPressure);
}

void SupplyPanel::BuildUserDefinedFrames() {
  chkMetricDualPressure =
      Named(new QCheckBox(tr("Dual Pressure System?")), "chkMetricDualPressure");
  fraHighUserdefined = Frame("fraHighUserdefined", tr("Low Pressure"));
  txtMetricSupplyPressureDrop = Box("txtMetricSupplyPressureDrop");
  txtUserDefinedAllowablePressureDrop = Box("txtUserDefinedAllowablePressureDrop");
  AddRow(fraHighUserdefined, tr("Supply Pressure:"), txtMetricSupplyPressureDrop, tr("mb"));
  AddRow(fraHighUserdefined, tr("Allowable Pressure Drop:"), txtUserDefinedAllowablePressureDrop,
         tr("mb"));
  fraLowUserdefined = Frame("fraLowUserdefined", tr("Low Pressure"));
  lblUserDefinedAllowableInternalPressureDrop =
      Label(tr("Supply Pressure:"), "lblUserDefinedAllowableInternalPressureDrop");
  txtUserDefinedInternalLowSupplyPressureDrop = Box("txtUserDefinedInternalLowSupplyPressureDrop");
  lblUserDefinedAllowableInternalPressureDropUnits =
      Label(tr("mb"), "lblUserDefinedAllowableInternalPressureDropUnits");
  AddRow(fraLowUserdefined, lblUserDefinedAllowableInternalPressureDrop,
         txtUserDefinedInternalLowSupplyPressureDrop,
         lblUserDefinedAllowableInternalPressureDropUnits);
  lblMetricInternalPressureDropLabel =
      Label(tr("Allowable Pressure Drop:"), "lblMetricInternalPressureDropLabel");
  txtMetricInternalPressureDrop = Box("txtMetricInternalPressureDrop");
  lblMetricInternalPressureDropUnits = Label(tr("mb"), "lblMetricInternalPressureDropUnits");
  AddRow(fraLowUserdefined, lblMetricInternalPressureDropLabel, txtMetricInternalPressureDrop,
         lblMetricInternalPressureDropUnits);
}

void SupplyPanel::BuildDeliveryFrames() {
  chkDeliveryDualPressure =
      Named(new QCheckBox(tr("Dual Pressure System?")), "chkDeliveryDualPressure");
  fraHighDeliveryPressureParms = Frame("fraHighDeliveryPressureParms", tr("High Pressure"));
  txtDeliveryPressureHighSupplyPressure = Box("txtDeliveryPressureHighSupplyPressure");
  txtDeliveryPressureHighSupplyAllowedPressureDrop =
      Box("txtDeliveryPressureHighSupplyAllowedPressureDrop");
  AddRow(fraHighDeliveryPressureParms, tr("Supply Pressure:"),
         txtDeliveryPressureHighSupplyPressure, tr("PSI"));
  AddRow(fraHighDeliveryPressureParms, tr("Allowable Pressure Drop:"),
         txtDeliveryPressureHighSupplyAllowedPressureDrop, tr("PSI"));
  fraLowDeliveryPressureParms = Frame("fraLowDeliveryPressureParms", tr("Low Pressure"));
  txtDeliveryPressureInternalLowSupplyPressure =
      Box("txtDeliveryPressureInternalLowSupplyPressure");
  txtDeliveryPressureInternalLowDeliveryPressure =
      Box("txtDeliveryPressureInternalLowDeliveryPressure");
  AddRow(fraLowDeliveryPressureParms, tr("Supply Pressure:"),
         txtDeliveryPressureInternalLowSupplyPressure, tr("In WC"));
  AddRow(fraLowDeliveryPressureParms, tr("Delivery Pressure:"),
         txtDeliveryPressureInternalLowDeliveryPressure, tr("In WC"));
}

void SupplyPanel::Arrange() {
  auto* gasRow = new QHBoxLayout;
  gasRow->addWidget(lblGasType);
  gasRow->addWidget(cboGasType, 1);
  auto* fixed = new QHBoxLayout;
  fixed->addWidget(fraHighFixedpressure);
  fixed->addWidget(fraLowFixedpressure);
  auto* userFrames = new QHBoxLayout;
  userFrames->addWidget(fraHighUserdefined);
  userFrames->addWidget(fraLowUserdefined);
  auto* userDefined = new QVBoxLayout;
  userDefined->addWidget(chkMetricDualPressure);
  userDefined->addLayout(userFrames);
  auto* delivery = new QVBoxLayout;
  delivery->addWidget(chkDeliveryDualPressure);
  delivery->addWidget(fraHighDeliveryPressureParms);
  delivery->addWidget(fraLowDeliveryPressureParms);

  auto* page = new QVBoxLayout(this);
  page->addLayout(gasRow);
  page->addWidget(optFixedDropMethod);
  page->addWidget(Indented(fixed));
  page->addWidget(optUserDefinedDropMethod);
  page->addWidget(Indented(userDefined));
  page->addWidget(optDeliveryPressureMethod);
  page->addWidget(Indented(delivery));
  page->addWidget(cmdUpdateSupplyParameters, 0, Qt::AlignLeft);
  page->addStretch(1);
}

}  // namespace cv::ui
