#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/errors.h"

namespace cv {

namespace {

// Splits the scientific text d.ddde+XX into its digits (trailing zeros
// dropped) and returns the decimal exponent of the first digit.
int SplitScientific(std::string_view text, std::string& digits) {
  size_t e = text.find('e');
  digits.clear();
  for (char c : text.substr(0, e))
    if (c != '.') digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  std::string_view exp = text.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
  return exponent;
}

// The digits of |value| with at most 15 significant digits, and the decimal
// exponent of the first digit. A value whose shortest exact text has 15
// digits or fewer keeps it; any other is rounded to 15 digits.
int FifteenDigits(double value, std::string& digits) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  int exponent = SplitScientific(std::string_view(buf, res.ptr - buf), digits);
  if (digits.size() <= 15) return exponent;
  res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  return SplitScientific(std::string_view(buf, res.ptr - buf), digits);
}

}  // namespace

std::string FormatNumber(double value) {
  if (value == 0) return "0";
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (const double magnitude = std::fabs(value); magnitude >= 1e-5 && magnitude < 1e15) {
    // Fast path: the shortest exact text in plain form, when it has no more
    // than 15 significant digits.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    int significant = 0;
    bool leading = true;
    for (const char* p = buf; p != res.ptr; ++p) {
      if (*p < '0' || *p > '9') continue;
      if (*p != '0') leading = false;
      if (!leading) ++significant;
    }
    if (significant <= 15) return std::string(buf, res.ptr);
  }
  std::string digits;
  int exponent = FifteenDigits(value, digits);
  std::string out = value < 0 ? "-" : "";
  const int n = static_cast<int>(digits.size());
  if (exponent >= 15 || exponent < -15) {
    // Only magnitudes no quantity of this program reaches use exponent form.
    out += digits.substr(0, 1);
    if (n > 1) out += "." + digits.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    out += std::to_string(std::abs(exponent));
    return out;
  }
  if (exponent < 0) {
    out += "0." + std::string(-exponent - 1, '0') + digits;
  } else if (exponent + 1 >= n) {
    out += digits + std::string(exponent + 1 - n, '0');
  } else {
    out += digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) noexcept {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view TrimXmlSpace(std::string_view text) noexcept {
  constexpr std::string_view kXmlSpace = " \t\r\n";
  const size_t first = text.find_first_not_of(kXmlSpace);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kXmlSpace) - first + 1);
}

std::optional<double> TryParseNumber(std::string_view text) noexcept {
  // A field may end in a line break.
  text = TrimXmlSpace(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  // from_chars would accept "inf" and "nan"; a typed number never is one.
  for (char c : text)
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == 'e' ||
          c == 'E' || c == '+'))
      return std::nullopt;
  double value = 0;
  auto res =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

double ParseNumber(std::string_view text) {
  auto value = TryParseNumber(text);
  if (!value) Raise(kErrTypeMismatch, "\"" + std::string(text) + "\" is not a number");
  return *value;
}

bool IsNumeric(std::string_view text) noexcept { return TryParseNumber(text).has_value(); }

double RoundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  static constexpr double kScales[] = {1, 10, 100, 1000, 10000};
  if (decimals >= 0 && decimals <= 4) {
    // Fast path: away from a half, the scaled product cannot land on the
    // wrong side of it, and k / scale is the double nearest to the decimal.
    const double scale = kScales[decimals];
    const double y = value * scale;
    const double floor = std::floor(y);
    const double frac = y - floor;
    if (std::fabs(y) < 1e8 && std::fabs(frac - 0.5) > 1e-6) {
      const double rounded = (frac < 0.5 ? floor : floor + 1) / scale;
      return rounded == 0 ? 0.0 : rounded;
    }
  }
  // Near a half: to_chars rounds the exact binary value, exact halves to even.
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return value;
  double rounded = 0;
  std::from_chars(buf, res.ptr, rounded);
  return rounded == 0 ? 0.0 : rounded;
}

}  // namespace cv
