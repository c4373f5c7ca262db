#include "core/locale_numbers.h"

#include <algorithm>

#include "core/number_text.h"

namespace cv {
namespace {

std::string Replaced(std::string_view text, char from, char to) {
  std::string replaced(text);
  std::replace(replaced.begin(), replaced.end(), from, to);
  return replaced;
}

}  // namespace

std::string NumberTypedWith(std::string_view typed, char separator) {
  if (separator == '.' || IsNumeric(typed) ||
      std::count(typed.begin(), typed.end(), separator) != 1)
    return std::string(typed);
  std::string read = Replaced(typed, separator, '.');
  return IsNumeric(read) ? read : std::string(typed);
}

std::string NumberShownWith(std::string_view text, char separator) {
  return IsNumeric(text) ? Replaced(text, '.', separator) : std::string(text);
}

}  // namespace cv
