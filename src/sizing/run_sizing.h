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
// The failure of a pass that reached its bound of tests on this run.
std::string SizingBoundText(const std::string& nodeDescription,
                            const std::string& parentDescription, long bound);
// The box that shows a sizing failure.
Message SizingFailureMessage(std::string text);

}  // namespace cv
