#include "supply/supply_update.h"

#include <cmath>
#include <initializer_list>

#include "core/errors.h"
#include "core/number_text.h"
#include "core/version.h"
#include "project/document.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// One pressure box as the checks see it. A box whose value is not used by
// the chosen configuration (a low-pressure box of a single system) is not
// checked at all.
struct BoxRule {
  bool applies;
  std::string_view text;
  const char* box;
  const char* caption;         // names the value in the negative-value message
  const char* numericMessage;  // the message for text that is not a number
};

std::optional<SupplyCheckFailure> FirstNotNumeric(std::initializer_list<BoxRule> rules) {
  for (const BoxRule& rule : rules)
    if (rule.applies && !IsNumeric(rule.text))
      return SupplyCheckFailure{rule.numericMessage, rule.box};
  return std::nullopt;
}

// A negative pressure or drop means nothing to the sizing engine; it is
// refused in the style of the other checks.
std::optional<SupplyCheckFailure> FirstNegative(std::initializer_list<BoxRule> rules) {
  for (const BoxRule& rule : rules)
    if (rule.applies && ParseNumber(rule.text) < 0)
      return SupplyCheckFailure{std::string("Error:  ") + rule.caption + " must not be negative!",
                                rule.box};
  return std::nullopt;
}

std::string MillibarToStored(std::string_view text) {
  return ConvertUnits(TrimBlanks(text), "Pressure", kMetric, kEnglish);
}

std::string PsiToStored(std::string_view text) {
  const double inches = ParseNumber(text) * kInchesWcPerPsi;
  if (!std::isfinite(inches)) Raise(kErrOverflow);
  return FormatNumber(inches);
}

bool IsPresetPosition(int gasIndex, int preset, int list) {
  return preset >= 0 && preset < static_cast<int>(SupplyPresets(gasIndex, list).size());
}

std::optional<SupplyCheckFailure> CheckPresetSelection(const SupplyPanelInput& in) {
  if (!IsPresetPosition(in.gasIndex, in.supplyPreset, kSupplyList))
    return SupplyCheckFailure{"Error:  Supply Pressure must be selected!", "cboSupplyPressure"};
  if (IsHighPressurePreset(in.gasIndex, in.supplyPreset) &&
      !IsPresetPosition(in.gasIndex, in.internalPreset, kInternalList))
    return SupplyCheckFailure{"Error:  Internal Pressure must be selected!", "cboInternalPressure"};
  return std::nullopt;
}

void EvaluateFixed(const SupplyPanelInput& in, SupplyEvaluation& out) {
  out.failure = CheckPresetSelection(in);
  if (out.failure) return;
  SupplySettings& s = out.settings;
  const int g = in.gasIndex;
  s.unitSystem = std::string(kEnglish);
  s.dualSystem = IsHighPressurePreset(g, in.supplyPreset);
  const double supplyDrop = SupplyPresetDrop(g, in.supplyPreset, kSupplyList);
  const double supplyPressure = SupplyPresetPressure(g, in.supplyPreset, kSupplyList);
  if (s.dualSystem) {
    s.internalLowSupplyAllowablePressureDrop =
        FormatNumber(SupplyPresetDrop(g, in.internalPreset, kInternalList));
    s.highSupplyAllowablePressureDrop = FormatNumber(supplyDrop);
    s.internalLowSupplyPressure =
        FormatNumber(SupplyPresetPressure(g, in.internalPreset, kInternalList));
    s.highSupplyPressure = FormatNumber(supplyPressure);
  } else {
    s.internalLowSupplyAllowablePressureDrop = FormatNumber(supplyDrop);
    s.highSupplyAllowablePressureDrop = "0";
    s.internalLowSupplyPressure = FormatNumber(supplyPressure);
    s.highSupplyPressure = "0";
  }
}

void EvaluateUserDefined(const SupplyPanelInput& in, SupplyEvaluation& out) {
  const SupplyBoxTexts& b = in.boxes;
  const bool dual = in.chkMetricDualPressure;
  const std::initializer_list<BoxRule> rules = {
      {true, b.txtMetricSupplyPressureDrop, "txtMetricSupplyPressureDrop", "Supply Pressure",
       "Error:  Supply Pressure is not numeric!"},
      {true, b.txtUserDefinedAllowablePressureDrop, "txtUserDefinedAllowablePressureDrop",
       "Allowable Pressure Drop", "Error:  Allowable Pressure Drop is not numeric!"},
      {dual, b.txtMetricInternalPressureDrop, "txtMetricInternalPressureDrop",
       "Internal Allowable Pressure Drop",
       "Error:  Internal Allowable Pressure Drop is not numeric!"},
      {dual, b.txtUserDefinedInternalLowSupplyPressureDrop,
       "txtUserDefinedInternalLowSupplyPressureDrop", "Internal Supply Pressure",
       "Error:  Internal Supply Pressure is not numeric!"},
  };
  out.failure = FirstNotNumeric(rules);
  if (out.failure) return;
  // Only a single system gets here with a blank internal drop (a dual one
  // failed the check above), and a single system does not use that box.
  out.internalDropSetToZero = TrimBlanks(b.txtMetricInternalPressureDrop).empty();
  if (ParseNumber(b.txtMetricSupplyPressureDrop) == 0 ||
      (dual && ParseNumber(b.txtMetricInternalPressureDrop) == 0)) {
    out.failure =
        SupplyCheckFailure{"Error:  Supply/Internal Pressure Drops must be greater than zero!",
                           "txtMetricInternalPressureDrop"};
    return;
  }
  out.failure = FirstNegative(rules);
  if (out.failure) return;
  SupplySettings& s = out.settings;
  s.unitSystem = std::string(kMetric);
  s.dualSystem = dual;
  s.internalLowSupplyDeliveryPressure = "0";
  if (dual) {
    s.highSupplyAllowablePressureDrop = MillibarToStored(b.txtUserDefinedAllowablePressureDrop);
    s.highSupplyPressure = MillibarToStored(b.txtMetricSupplyPressureDrop);
    s.internalLowSupplyPressure = MillibarToStored(b.txtUserDefinedInternalLowSupplyPressureDrop);
    s.internalLowSupplyAllowablePressureDrop = MillibarToStored(b.txtMetricInternalPressureDrop);
  } else {
    s.internalLowSupplyAllowablePressureDrop =
        MillibarToStored(b.txtUserDefinedAllowablePressureDrop);
    s.internalLowSupplyPressure = MillibarToStored(b.txtMetricSupplyPressureDrop);
    s.highSupplyPressure = "0";
    s.highSupplyAllowablePressureDrop = "0";
  }
}

void EvaluateDelivery(const SupplyPanelInput& in, SupplyEvaluation& out) {
  const SupplyBoxTexts& b = in.boxes;
  const bool dual = in.chkDeliveryDualPressure;
  const std::initializer_list<BoxRule> rules = {
      {true, b.txtDeliveryPressureInternalLowSupplyPressure,
       "txtDeliveryPressureInternalLowSupplyPressure", "Supply Pressure",
       "Error:  Supply Pressure is not numeric!"},
      {dual, b.txtDeliveryPressureHighSupplyPressure, "txtDeliveryPressureHighSupplyPressure",
       "Supply Pressure", "Error:  Supply Pressure is not numeric!"},
      {true, b.txtDeliveryPressureInternalLowDeliveryPressure,
       "txtDeliveryPressureInternalLowDeliveryPressure", "Delivery Pressure",
       "Error:  Delivery Pressure is not numeric!"},
      {dual, b.txtDeliveryPressureHighSupplyAllowedPressureDrop,
       "txtDeliveryPressureHighSupplyAllowedPressureDrop", "Allowable Pressure Drop",
       "Error:Allowable Pressure Drop is not numeric!"},
  };
  out.failure = FirstNotNumeric(rules);
  if (!out.failure) out.failure = FirstNegative(rules);
  if (out.failure) return;
  SupplySettings& s = out.settings;
  s.unitSystem = std::string(kEnglish);
  s.dualSystem = dual;
  s.internalLowSupplyPressure = TrimBlanks(b.txtDeliveryPressureInternalLowSupplyPressure);
  s.internalLowSupplyDeliveryPressure =
      std::string(TrimBlanks(b.txtDeliveryPressureInternalLowDeliveryPressure));
  s.internalLowSupplyAllowablePressureDrop = "0";
  s.highSupplyAllowablePressureDrop =
      dual ? PsiToStored(b.txtDeliveryPressureHighSupplyAllowedPressureDrop) : "0";
  s.highSupplyPressure = dual ? PsiToStored(b.txtDeliveryPressureHighSupplyPressure) : "0";
}

}  // namespace

std::string SupplyVersionText(const std::string& unitSystem) {
  return "CVSystem-" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision) + "-" + unitSystem;
}

SupplyEvaluation EvaluateSupplyUpdate(const SupplyPanelInput& input) {
  SupplyEvaluation out;
  if (input.gasIndex < 0 || input.gasIndex >= static_cast<int>(kGasTypes.size())) {
    out.failure = SupplyCheckFailure{"Error:  Gas Type must be selected!", "cboGasType"};
    return out;
  }
  switch (input.method) {
    case SupplyMethod::Fixed:
      EvaluateFixed(input, out);
      break;
    case SupplyMethod::UserDefined:
      EvaluateUserDefined(input, out);
      break;
    case SupplyMethod::Delivery:
      EvaluateDelivery(input, out);
      break;
  }
  if (out.failure) return out;
  out.settings.version = SupplyVersionText(out.settings.unitSystem);
  out.settings.gasType = std::string(kGasTypes[input.gasIndex]);
  out.settings.calculationType = CalculationTypeText(input.method);
  return out;
}

void ApplySupplySettings(pugi::xml_document& doc, const SupplySettings& s) {
  pugi::xml_node root = ProjectRoot(doc);
  // Everything that is written must exist before the first write.
  RootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop);
  FieldText(root, "calculationType");
  FieldText(root, "DualSystem");

  SetRootAttributeText(root, kAttrVersion, s.version);
  SetRootAttributeText(root, kAttrGasType, s.gasType);
  SetRootAttributeText(root, kAttrHighSupplyPressure, s.highSupplyPressure);
  SetRootAttributeText(root, kAttrHighSupplyAllowablePressureDrop,
                       s.highSupplyAllowablePressureDrop);
  SetRootAttributeText(root, kAttrInternalLowSupplyPressure, s.internalLowSupplyPressure);
  if (s.internalLowSupplyDeliveryPressure)
    SetRootAttributeText(root, kAttrInternalLowSupplyDeliveryPressure,
                         *s.internalLowSupplyDeliveryPressure);
  SetRootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop,
                       s.internalLowSupplyAllowablePressureDrop);
  SetFieldText(root, "calculationType", s.calculationType);
  SetFieldText(root, "DualSystem", s.dualSystem ? "True" : "False");
}

}  // namespace cv
