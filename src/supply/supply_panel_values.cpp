#include "supply/supply_panel_values.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// The root attributes after the version and the gas type, as text.
struct StoredPressures {
  std::string highSupply;         // position 2
  std::string highAllowableDrop;  // position 3
  std::string lowSupply;          // position 4
  std::string lowDelivery;        // position 5
  std::string lowAllowableDrop;   // position 6
};

StoredPressures ReadStoredPressures(pugi::xml_node root) {
  return {RootAttributeText(root, kAttrHighSupplyPressure),
          RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop),
          RootAttributeText(root, kAttrInternalLowSupplyPressure),
          RootAttributeText(root, kAttrInternalLowSupplyDeliveryPressure),
          RootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop)};
}

void FixedMethodValues(const std::string& gasType, const StoredPressures& p, SupplyPanelValues& v) {
  ClearUserDefinedInputs(v.boxes);
  ClearDeliveryInputs(v.boxes);
  const double highDrop = ParseNumber(p.highAllowableDrop);
  const double lowDrop = ParseNumber(p.lowAllowableDrop);
  v.dualSystem = highDrop != 0;
  v.fixedHighFrames = v.dualSystem;
  if (v.dualSystem) {
    v.supplyPreset = FindSupplyPreset(gasType, highDrop, kSupplyList);
    v.internalPreset = FindSupplyPreset(gasType, lowDrop, kInternalList);
  } else {
    v.supplyPreset = FindSupplyPreset(gasType, lowDrop, kSupplyList);
    v.internalPreset = 0;
  }
}

// The four user-defined boxes: the stored pressures in the unit system's
// pressure unit, the high section in the first pair of a dual system.
void FillUserDefinedBoxes(const StoredPressures& p, bool dual, std::string_view unitSystem,
                          SupplyBoxTexts& b) {
  auto shown = [&](const std::string& stored) {
    return ConvertUnits(stored, "Pressure", kEnglish, unitSystem);
  };
  if (dual) {
    b.txtMetricSupplyPressureDrop = shown(p.highSupply);
    b.txtUserDefinedAllowablePressureDrop = shown(p.highAllowableDrop);
    b.txtUserDefinedInternalLowSupplyPressureDrop = shown(p.lowSupply);
    b.txtMetricInternalPressureDrop = shown(p.lowAllowableDrop);
  } else {
    b.txtMetricSupplyPressureDrop = shown(p.lowSupply);
    b.txtUserDefinedAllowablePressureDrop = shown(p.lowAllowableDrop);
    // The open command empties the internal drop box before loading.
    b.txtUserDefinedInternalLowSupplyPressureDrop = " ";
    b.txtMetricInternalPressureDrop = "";
  }
}

void UserDefinedValues(const StoredPressures& p, SupplyPanelValues& v) {
  ClearDeliveryInputs(v.boxes);
  v.chkMetricDualPressure = v.dualSystem;
  FillUserDefinedBoxes(p, v.dualSystem, v.unitSystem, v.boxes);
}

void DeliveryValues(const StoredPressures& p, SupplyPanelValues& v) {
  ClearUserDefinedInputs(v.boxes);
  ClearDeliveryInputs(v.boxes);
  SupplyBoxTexts& b = v.boxes;
  v.chkDeliveryDualPressure = v.dualSystem;
  if (v.dualSystem) {
    // The high-pressure section is shown in PSI.
    b.txtDeliveryPressureHighSupplyPressure =
        FormatNumber(ParseNumber(p.highSupply) / kInchesWcPerPsi);
    b.txtDeliveryPressureHighSupplyAllowedPressureDrop =
        FormatNumber(ParseNumber(p.highAllowableDrop) / kInchesWcPerPsi);
  }
  b.txtDeliveryPressureInternalLowSupplyPressure = FormatNumber(ParseNumber(p.lowSupply));
  b.txtDeliveryPressureInternalLowDeliveryPressure = FormatNumber(ParseNumber(p.lowDelivery));
}

}  // namespace

SupplyPanelValues SupplyPanelFromDocument(const pugi::xml_document& doc) {
  const pugi::xml_node root = ProjectRoot(doc);
  const StoredPressures stored = ReadStoredPressures(root);
  const std::string gasType = RootAttributeText(root, kAttrGasType);
  SupplyPanelValues v;
  v.unitSystem = UnitSystemFromVersion(RootAttributeText(root, kAttrVersion));
  v.gasIndex = GasTypeIndexOf(gasType);
  v.efvPresent = FieldText(root, "EFVEnabled") == "True";
  v.method = MethodFromCalculationType(FieldText(root, "calculationType"));
  v.dualSystem = FieldText(root, "DualSystem") == "True";
  switch (v.method) {
    case SupplyMethod::Fixed:
      FixedMethodValues(gasType, stored, v);
      break;
    case SupplyMethod::UserDefined:
      UserDefinedValues(stored, v);
      break;
    case SupplyMethod::Delivery:
      DeliveryValues(stored, v);
      break;
  }
  return v;
}

void FillUserDefinedStartValues(const pugi::xml_document& doc, bool dualShown,
                                SupplyBoxTexts& boxes) {
  const pugi::xml_node root = ProjectRoot(doc);
  const StoredPressures stored = ReadStoredPressures(root);
  if (dualShown && FieldText(root, "DualSystem") == "True") {
    FillUserDefinedBoxes(stored, true, kMetric, boxes);
    return;
  }
  // The low-pressure section is a whole system of its own.
  SupplyBoxTexts single;
  FillUserDefinedBoxes(stored, false, kMetric, single);
  boxes.txtMetricSupplyPressureDrop = single.txtMetricSupplyPressureDrop;
  boxes.txtUserDefinedAllowablePressureDrop = single.txtUserDefinedAllowablePressureDrop;
}

}  // namespace cv
