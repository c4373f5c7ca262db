#include "sizing/units.h"

#include <cmath>

#include "core/errors.h"
#include "core/number_text.h"

namespace cv {

namespace {

double FactorOf(std::string_view quantity) {
  if (quantity == "Pressure") return kPressureFactor;
  if (quantity == "Length") return kLengthFactor;
  if (quantity == "Load") return kLoadFactor;
  return 0;
}

}  // namespace

std::string ConvertUnits(std::string_view value, std::string_view quantity,
                         std::string_view fromSystem, std::string_view toSystem) {
  if (fromSystem == toSystem) return std::string(value);
  const double factor = FactorOf(quantity);
  if (factor == 0 || (fromSystem != kEnglish && fromSystem != kMetric)) return {};
  const double number = ParseNumber(value);
  const double result = fromSystem == kEnglish ? number / factor : number * factor;
  if (!std::isfinite(result)) Raise(kErrOverflow);
  return FormatNumber(result);
}

std::string LoadUnitCaption(std::string_view unitSystem) {
  return unitSystem == kEnglish ? "kBTU" : "kCal";
}

std::string LengthUnitCaption(std::string_view unitSystem) {
  return unitSystem == kEnglish ? "ft" : "m";
}

}  // namespace cv
