// Whether one run is big enough for the project's calculation method, and
// the upsizing along its path until it is or nothing can grow any more.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "sizing/calc_context.h"

namespace cv {

inline constexpr const char* kFixedPressureMethod = "Fixed Pressure Method";
inline constexpr const char* kUserDefinedMethod = "User Defined Method";
inline constexpr const char* kDeliveryPressureMethod = "Delivery Pressure Method";

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
// is bounded instead: after this many tests the pass stops with a sizing
// failure that names the run it was sizing. Realistic networks stay far
// below it (a 10,000-node network needs about 35,000).
inline constexpr long kMaxSizingTests = 1'000'000;

// The pair a run is judged by: it passes while round2(limit) >=
// round2(value).
struct RunTest {
  double cum = 0;        // cumulative drop from the source
  double delivered = 0;  // source pressure - cum
  double value = 0;
  double limit = 0;
};
RunTest JudgeRun(double cum, const SupplyValues& supply, bool lowSide, bool tripPass);
bool IsKnownMethod(const std::string& method);

// True when the run meets its limit (after upsizing nodes when needed) or
// has no length; false after the user was told that the load/length
// combination is too high.
bool SizeRunByMethod(pugi::xml_node node, CalcContext& ctx);

// The text of the sizing-failure message for a node and its parent.
std::string SizingFailureText(const std::string& nodeDescription,
                              const std::string& parentDescription);
// The failure of a pass that reached kMaxSizingTests on this run.
std::string SizingBoundText(const std::string& nodeDescription,
                            const std::string& parentDescription);
// The box that shows a sizing failure.
Message SizingFailureMessage(std::string text);

}  // namespace cv
