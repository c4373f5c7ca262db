// Numbers as a user of a locale types and pastes them: under a locale whose
// decimal separator is a comma, "22,5" is the number the program stores as
// "22.5". Stored and saved numbers always keep the period; only what the
// user types and what a spreadsheet receives follow the locale.
#pragma once

#include <string>
#include <string_view>

namespace cv {

// The typed text as the program reads numbers: the separator of a number
// written with it becomes a period, blanks around it kept ("22,5" gives
// "22.5"). Text that reads as a number already, or does not read as one
// with the separator either, is returned unchanged.
std::string NumberTypedWith(std::string_view typed, char separator);

// A number's text with the locale's separator in place of the period
// ("6.81" gives "6,81"); text that is not a number is returned unchanged.
std::string NumberShownWith(std::string_view text, char separator);

}  // namespace cv
