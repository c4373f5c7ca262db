#include "ui/panels/panel_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "reports/pressure_readings.h"
#include "sizing/units.h"
#include "ui/access/access_keys.h"
#include "ui/panels/appliance_panel.h"
#include "ui/panels/supply_panel.h"

namespace cv::ui {
namespace {

bool IsEnglish(std::string_view unitSystem) { return unitSystem == kEnglish; }

QString PressureWords(PressureUnit unit) {
  switch (unit) {
    case PressureUnit::Millibar:
      return QStringLiteral("millibar");
    case PressureUnit::Psi:
      return QStringLiteral("psi");
    case PressureUnit::InchesWc:
      break;
  }
  return QStringLiteral("inches of water column");
}

// A result box reads as text on the panel, not as a box to type in: no
// frame, the panel's own background, and Tab passes it by.
void ShowAsResult(QLineEdit* box) {
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setFrame(false);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  box->setPalette(palette);
}

struct Row {
  QWidget* box;
  char key;
  const char* description;
};

void TieRows(std::initializer_list<Row> rows) {
  for (const Row& row : rows)
    if (QLabel* label = LabelOf(row.box))
      TieLabel(label, row.box, QLatin1Char(row.key), QString::fromLatin1(row.description));
}

}  // namespace

void GiveAccessKeys(AppliancePanel& p) {
  TieLabel(p.lblDescription, p.txtDescription, QLatin1Char('d'));
  TieLabel(p.lblAppliance, p.cboAppliance, QLatin1Char('p'));
  TieLabel(p.lblEFV, p.cboEFV, QLatin1Char('v'), QStringLiteral("The model of excess flow valve"));
  TieLabel(p.lblLoad, p.txtLoad, QLatin1Char('l'));
  TieLabel(p.lblLength, p.txtLength, QLatin1Char('n'));
  TieLabel(p.lblMaterial, p.cboMaterial, QLatin1Char('m'));
  TieLabel(p.lblMaterialSizeLabel, p.cboMaterialSize, QLatin1Char('z'),
           QStringLiteral("Chosen only while Fixed Size is checked"));
  SetAccessKey(p.chkFixedSize, QLatin1Char('x'), p.chkFixedSize->toolTip());
  SetAccessKey(p.cmdUpdate, QLatin1Char('u'),
               QStringLiteral("Stores the panel into the selected node"));
  for (QLineEdit* result : {p.txtPressureDrop, p.txtDeliveredPressure}) ShowAsResult(result);
  NameAfterLabel(p.txtPressureDrop, p.lblPressureDrop);
  NameAfterLabel(p.txtDeliveredPressure, p.lblDeliveredPressure);
  p.lblParent->setAccessibleDescription(QStringLiteral("The node this run starts from"));
  DescribeUnits(p, kEnglish);
  DescribePressures(p, PressureUnit::InchesWc);
}

void DescribeUnits(AppliancePanel& p, std::string_view unitSystem) {
  p.txtLoad->setAccessibleDescription(IsEnglish(unitSystem) ? QStringLiteral("kBTU per hour")
                                                            : QStringLiteral("kCal per hour"));
  p.txtLength->setAccessibleDescription(IsEnglish(unitSystem)
                                            ? QStringLiteral("Length of the run in feet")
                                            : QStringLiteral("Length of the run in metres"));
}

void DescribePressures(AppliancePanel& p, PressureUnit unit) {
  const QString pressure = PressureWords(unit);
  p.txtPressureDrop->setAccessibleDescription(
      QStringLiteral("Pressure drop from the gas supply to the end of this run, in ") + pressure);
  p.txtDeliveredPressure->setAccessibleDescription(
      QStringLiteral("Delivered pressure at the end of this run, in ") + pressure);
}

void GiveAccessKeys(SupplyPanel& p) {
  TieLabel(p.lblGasType, p.cboGasType, QLatin1Char('g'));
  TieRows({
      {p.cboSupplyPressure, 's', "Supply pressure and allowable drop, in inches of water column"},
      {p.cboInternalPressure, 'i',
       "Supply pressure and allowable drop after the regulator, in inches of water column"},
      {p.txtMetricSupplyPressureDrop, 'p', "millibar"},
      {p.txtUserDefinedAllowablePressureDrop, 'a', "millibar"},
      {p.txtUserDefinedInternalLowSupplyPressureDrop, 'l', "millibar, after the regulator"},
      {p.txtMetricInternalPressureDrop, 'o', "millibar, after the regulator"},
      {p.txtDeliveryPressureHighSupplyPressure, 'y', "psi, before the regulator"},
      {p.txtDeliveryPressureHighSupplyAllowedPressureDrop, 'w', "psi, before the regulator"},
      {p.txtDeliveryPressureInternalLowSupplyPressure, 'r', "inches of water column"},
      {p.txtDeliveryPressureInternalLowDeliveryPressure, 'v',
       "The least pressure every appliance must receive, in inches of water column"},
  });
  SetAccessKey(p.optFixedDropMethod, QLatin1Char('x'));
  SetAccessKey(p.optUserDefinedDropMethod, QLatin1Char('n'));
  SetAccessKey(p.optDeliveryPressureMethod, QLatin1Char('d'));
  SetAccessKey(p.chkMetricDualPressure, QLatin1Char('m'),
               QStringLiteral("A regulator divides the network into a high and a low side"));
  SetAccessKey(p.chkDeliveryDualPressure, QLatin1Char('t'),
               QStringLiteral("A regulator divides the network into a high and a low side"));
  SetAccessKey(p.cmdUpdateSupplyParameters, QLatin1Char('u'));
  // The option buttons were made before the boxes below them.
  ChainTabOrder(
      {p.cboGasType, p.optFixedDropMethod, p.cboSupplyPressure, p.cboInternalPressure,
       p.optUserDefinedDropMethod, p.chkMetricDualPressure, p.txtMetricSupplyPressureDrop,
       p.txtUserDefinedAllowablePressureDrop, p.txtUserDefinedInternalLowSupplyPressureDrop,
       p.txtMetricInternalPressureDrop, p.optDeliveryPressureMethod, p.chkDeliveryDualPressure,
       p.txtDeliveryPressureHighSupplyPressure, p.txtDeliveryPressureHighSupplyAllowedPressureDrop,
       p.txtDeliveryPressureInternalLowSupplyPressure,
       p.txtDeliveryPressureInternalLowDeliveryPressure, p.cmdUpdateSupplyParameters});
}

}  // namespace cv::ui
