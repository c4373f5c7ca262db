// How the pressure-drop information box writes a pressure: at least one
// integer digit and one to three decimals, rounded ("#0.0##").
#pragma once

#include <string>

namespace cv::ui {

std::string FormatPressureForDisplay(double value);

}  // namespace cv::ui
