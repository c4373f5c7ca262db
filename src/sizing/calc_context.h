// What the sizing procedures share while they run: the program state and the
// project's root, whose settings apply also to nodes of the trip document.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "sizing/program_state.h"

namespace cv {

class CarriedLoads;

// The project's supply settings as the sizing reads them. The high-pressure
// values are read only in a dual-pressure system and are 0 otherwise.
struct SupplyValues {
  std::string gasType;
  std::string method;  // the root's calculationType
  bool dual = false;
  double pLow = 0;   // InternalLowSupplyPressure
  double aLow = 0;   // InternalLowSupplyAllowablePressureDrop
  double dLow = 0;   // InternalLowSupplyDeliveryPressure
  double pHigh = 0;  // HighSupplyPressure
  double aHigh = 0;  // HighSupplyAllowablePressureDrop
};

struct CalcContext {
  ProgramState& state;
  pugi::xml_node projectRoot;
  // The run SizeRunByMethod is sizing; only its size may be emptied when
  // nothing on its path can grow.
  pugi::xml_node sizingNode;
  // The loads the runs carry in the normal pass; the trip-flow pass reads
  // its trip flows from its document.
  const CarriedLoads* carried = nullptr;
  // The supply settings do not change during a calculation: read once.
  mutable std::optional<SupplyValues> supply = std::nullopt;

  // Writes the line the callable builds, which is built only while the
  // trace is on: sizing runs far more often untraced.
  template <typename BuildLine>
  void Trace(BuildLine&& line) const {
    if (state.DebugMode) state.Log.Write(line());
  }
};

// The supply settings, read from the project root on first use.
const SupplyValues& ReadSupplyValues(const CalcContext& ctx);
// The supply settings of a project root; dual: a dual-pressure system.
SupplyValues ReadSupplyValues(pugi::xml_node root, bool dual);

}  // namespace cv
