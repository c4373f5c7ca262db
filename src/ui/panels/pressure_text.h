// How the window writes a pressure: at least one integer digit and one to
// three decimals, rounded ("#0.0##"), in the display units.
#pragma once

#include <string>
#include <string_view>

namespace cv::ui {

std::string FormatPressureForDisplay(double value);

// A pressure stored in inches of water column, converted to the unit system
// and written as above (without its unit).
std::string ShownPressure(double inchesWaterColumn, std::string_view unitSystem);

// "in W.C." or "mb".
std::string PressureUnitCaption(std::string_view unitSystem);

}  // namespace cv::ui
