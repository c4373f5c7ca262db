// What the sizing procedures share while they run: the program state and the
// project's root, whose settings apply also to nodes of the trip document.
#pragma once

#include <cstddef>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "sizing/program_state.h"

namespace cv {

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

// Why deep chains need a bound: a run may only grow while its parent is
// strictly bigger, so the sizes along a path never increase away from the
// source, and each failed test steps the path's sizes like a counter whose
// lowest digit is the failing run: it grows, or it falls back to its
// smallest size and the carry grows the nearest run above that may grow.
// The states tried are the non-increasing size sequences in counting order;
// a path of d runs of one material with s sizes has C(d + s - 1, s - 1) of
// them, d^6 / 720 for the seven tubing sizes: 90 million at 60 runs. The
// first state that passes is, on a plain path, the greedy one (the
// smallest top size whose completion with equal sizes passes, then the next
// run down, and so on), but fixed sizes, runs at their largest size,
// regulators, capacity compared across materials at two decimals and sizes
// left by earlier runs make the reachable states irregular; a shortcut
// would give other sizes on some networks. So the work of one sizing pass
// is bounded instead, in proportion to the network: after this many tests
// the pass stops with a sizing failure that names the run it was sizing.
// Realistic networks stay far below it: a pass over 10,000 nodes needs
// about 15,000 tests, the hardest of the reference projects 7,100, a chain
// of 60 appliances of 50 kBTU/h 342,000.
inline long SizingTestBound(size_t nodes) { return 400'000 + 100 * static_cast<long>(nodes); }

struct CalcContext {
  ProgramState& state;
  pugi::xml_node projectRoot;
  // The run SizeRunByMethod is sizing; only its size may be emptied when
  // nothing on its path can grow.
  pugi::xml_node sizingNode;
  // The supply settings do not change during a calculation: read once.
  mutable std::optional<SupplyValues> supply = std::nullopt;
  // The runs tested in this pass so far, and how many it may test (see
  // SizingTestBound).
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

}  // namespace cv
