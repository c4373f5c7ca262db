#include "ui/panels/pressure_text.h"

#include <charconv>

#include "core/number_text.h"
#include "sizing/units.h"

namespace cv::ui {

std::string FormatPressureForDisplay(double value) {
  char buf[400];  // room for the widest double in fixed notation
  auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 3);
  std::string text(buf, result.ptr);
  while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  if (text == "-0.0") text = "0.0";
  return text;
}

std::string ShownPressure(double inchesWaterColumn, std::string_view unitSystem) {
  const std::string converted =
      ConvertUnits(FormatNumber(inchesWaterColumn), "Pressure", kEnglish, unitSystem);
  return FormatPressureForDisplay(ParseNumber(converted));
}

std::string PressureUnitCaption(std::string_view unitSystem) {
  return unitSystem == kEnglish ? "in W.C." : "mb";
}

}  // namespace cv::ui
