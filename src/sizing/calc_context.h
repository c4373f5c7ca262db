// What the sizing procedures share while they run: the program state and the
// project's root, whose settings apply also to nodes of the trip document.
#pragma once

#include <cstddef>
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

// The step-by-step calculation on the document (the traced one, and the one
// for documents the flat model does not hold) visits every state of the
// upsizing order; on a deep path their number grows exponentially, so its
// work is bounded to keep the window answering. The calculation on the
// model skips the stretches of the order that cannot pass and needs no bound.
inline long SizingTestBound(size_t nodes) { return 400'000 + 100 * static_cast<long>(nodes); }

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
  // The runs tested in this pass so far, and how many it may test.
  long tests = 0;
  long testBound = SizingTestBound(0);

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
