// Whether one run is big enough for the project's calculation method, and
// what the user is told when no size makes it so.
#pragma once

#include <string>

#include "core/messages.h"
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

// The text of the sizing-failure message for a node and its parent.
std::string SizingFailureText(const std::string& nodeDescription,
                              const std::string& parentDescription);
// The box that shows a sizing failure.
Message SizingFailureMessage(std::string text);

}  // namespace cv
