// Stored values are always English (kBTU/h, feet, inches of water column);
// the metric unit system only changes what the user sees and types.
#pragma once

#include <string>
#include <string_view>

namespace cv {

inline constexpr std::string_view kEnglish = "English";
inline constexpr std::string_view kMetric = "Metric";

// Metric value x factor = English value.
inline constexpr double kPressureFactor = 0.402201;  // mb -> in WC
inline constexpr double kLengthFactor = 3.2808399;   // m -> ft
inline constexpr double kLoadFactor = 3.9683201;     // kCal -> kBTU

// Converts the value text of a quantity ("Pressure", "Length", "Load") from
// one unit system to another. Equal systems give the text back unparsed; an
// unknown system or quantity gives the empty text; a value that is not a
// number fails with error 13.
std::string ConvertUnits(std::string_view value, std::string_view quantity,
                         std::string_view fromSystem, std::string_view toSystem);

// The load and length captions of the appliance panel for a unit system.
std::string LoadUnitCaption(std::string_view unitSystem);
std::string LengthUnitCaption(std::string_view unitSystem);

}  // namespace cv
