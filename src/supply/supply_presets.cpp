#include "supply/supply_presets.h"

namespace cv {

namespace {

const std::vector<SupplyPreset> kNaturalSupply = {
    {"7-8 In WC Supply - .3 In WC Overall Pressure Drop", 7, 0.3},
    {"7-8 In WC Supply - .5 In WC Overall Pressure Drop  [Standard]", 7, 0.5},
    {"7-8 In WC Supply - 3 In WC Overall Pressure Drop", 7, 3},
    {"14 In WC Supply - 6 In WC Overall Pressure Drop", 14, 6},
    {"2 PSI WC Supply - 1 PSI WC Overall Pressure Drop", 55.46, 27.73},
    {"5 PSI WC Supply - 3.5 PSI WC Overall Pressure Drop", 138.65, 97.055},
};
const std::vector<SupplyPreset> kNaturalInternal = {
    {"7-8 In WC Supply - 3 In WC Overall Pressure Drop", 7, 3},
};
const std::vector<SupplyPreset> kPropaneSupply = {
    {"11-13 In WC Supply - .5 In WC Overall Pressure Drop  [Standard]", 11, 0.5},
    {"11-13 In WC Supply - 3 In WC Overall Pressure Drop", 11, 3},
    {"14 In WC Supply - 6 In WC Overall Pressure Drop", 14, 6},
    {"2 PSI WC Supply - 1 PSI WC Overall Pressure Drop", 55.46, 27.73},
    {"5 PSI WC Supply - 3.5 PSI WC Overall Pressure Drop", 138.65, 97.055},
};
const std::vector<SupplyPreset> kPropaneInternal = {
    {"11-13 In WC Supply - .5 In WC Overall Pressure Drop", 11, 0.5},
};
const std::vector<SupplyPreset> kNone;

const SupplyPreset* PresetAt(int gasIndex, int preset, int list) noexcept {
  const std::vector<SupplyPreset>& presets = SupplyPresets(gasIndex, list);
  if (preset < 0 || preset >= static_cast<int>(presets.size())) return nullptr;
  return &presets[preset];
}

}  // namespace

const std::vector<SupplyPreset>& SupplyPresets(int gasIndex, int list) {
  if (gasIndex == 0)
    return list == kSupplyList ? kNaturalSupply : list == kInternalList ? kNaturalInternal : kNone;
  if (gasIndex == 1)
    return list == kSupplyList ? kPropaneSupply : list == kInternalList ? kPropaneInternal : kNone;
  return kNone;
}

double SupplyPresetDrop(int gasIndex, int preset, int list) noexcept {
  const SupplyPreset* p = PresetAt(gasIndex, preset, list);
  return p ? p->drop : 0;
}

double SupplyPresetPressure(int gasIndex, int preset, int list) noexcept {
  const SupplyPreset* p = PresetAt(gasIndex, preset, list);
  return p ? p->pressure : 0;
}

bool IsHighPressurePreset(int gasIndex, int preset) noexcept {
  return SupplyPresetDrop(gasIndex, preset, kSupplyList) > 6.0;
}

int FindSupplyPreset(std::string_view gasTypeName, double drop, int list) noexcept {
  const int gas = gasTypeName == "Propane" ? 1 : 0;
  for (int preset = 0; preset <= 7; ++preset)
    if (SupplyPresetDrop(gas, preset, list) == drop) return preset;
  return -1;
}

}  // namespace cv
