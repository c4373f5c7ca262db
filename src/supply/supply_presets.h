// The preset pairs of supply pressure and allowable drop of the fixed
// pressure-drop method, per gas type and list (0 supply, 1 internal).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cv {

inline constexpr double kInchesWcPerPsi = 27.73;

enum PresetList : int { kSupplyList = 0, kInternalList = 1 };

struct SupplyPreset {
  const char* text;  // as the combo box shows it
  double pressure;   // inches of water column
  double drop;       // inches of water column
};

// The presets of a gas type (0 Natural Gas, 1 Propane) and list, in order.
const std::vector<SupplyPreset>& SupplyPresets(int gasIndex, int list);

// SupplyPresetDrop and SupplyPresetPressure: 0 for every cell no preset
// fills (gas types 0..2, presets 0..8, lists 0..2).
double SupplyPresetDrop(int gasIndex, int preset, int list) noexcept;
double SupplyPresetPressure(int gasIndex, int preset, int list) noexcept;

// A supply preset is a high-pressure preset when its allowable drop is
// greater than 6 inches of water column (the 14 In WC preset is not).
bool IsHighPressurePreset(int gasIndex, int preset) noexcept;

// The first of presets 0 to 7 of the list whose drop equals the given drop
// exactly, or -1. "Propane" selects the propane table, any other name the
// natural-gas table.
int FindSupplyPreset(std::string_view gasTypeName, double drop, int list) noexcept;

}  // namespace cv
