#include "supply/supply_options.h"

#include <cmath>

#include "core/number_text.h"
#include "project/document.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// "2 psi" for a high-pressure preset, "7 in WC" for any other.
std::string PressureText(const SupplyPreset& preset, bool high) {
  if (!high) return FormatNumber(preset.pressure) + " in WC";
  return FormatNumber(std::round(preset.pressure / kInchesWcPerPsi * 100) / 100) + " psi";
}

std::string WhyNotApplicable(const SupplyPreset& preset, bool high, bool regulators) {
  const std::string pressure = PressureText(preset, high);
  if (high && !regulators)
    return "Needs regulators: the network has none to bring " + pressure +
           " down to the appliances.";
  if (!high && regulators)
    return "Needs a network without regulators: " + pressure +
           " is a single-pressure supply, and each regulator would start its branch again at "
           "the full " +
           pressure + ".";
  return {};
}

SupplyOption PresetOption(int gas, int preset, bool regulators) {
  SupplyPanelInput input;
  input.method = SupplyMethod::Fixed;
  input.gasIndex = gas;
  input.supplyPreset = preset;
  input.internalPreset = 0;
  const SupplyPreset& p = SupplyPresets(gas, kSupplyList)[static_cast<size_t>(preset)];
  const bool high = IsHighPressurePreset(gas, preset);
  return {p.text, EvaluateSupplyUpdate(input).settings, WhyNotApplicable(p, high, regulators)};
}

}  // namespace

bool NetworkHasRegulators(const pugi::xml_document& doc) {
  for (pugi::xml_node node : AllSystemNodes(doc))
    if (FieldText(node, "appliance") == "Regulator") return true;
  return false;
}

std::vector<SupplyOption> SupplyOptionsFor(const pugi::xml_document& doc) {
  std::vector<SupplyOption> options{{kCurrentSettingsName, std::nullopt, {}}};
  // As the supply panel reads a stored gas: "Propane", or natural gas.
  const int gas = RootAttributeText(ProjectRoot(doc), kAttrGasType) == "Propane" ? 1 : 0;
  const bool regulators = NetworkHasRegulators(doc);
  const int count = static_cast<int>(SupplyPresets(gas, kSupplyList).size());
  for (int preset = 0; preset < count; ++preset)
    options.push_back(PresetOption(gas, preset, regulators));
  return options;
}

}  // namespace cv
