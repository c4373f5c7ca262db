// Numbers as the project document holds them: decimal text with a period,
// never dependent on the machine's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cv {

// The shortest decimal text of the value with at most 15 significant digits:
// 7, 6.5, 0.12, 27.73, -1.5; "0" for zero (also negative zero).
std::string FormatNumber(double value);

// Reads a decimal number; white space around it (blank, tab, line feed,
// carriage return) is allowed, a leading "+" too.
// Empty or blank text, or anything else, is not a number.
std::optional<double> TryParseNumber(std::string_view text) noexcept;

// As TryParseNumber, but text that is not a number fails with error 13.
double ParseNumber(std::string_view text);

// True when the text reads as a number (surrounding blanks allowed).
bool IsNumeric(std::string_view text) noexcept;

// Rounds to the given number of decimals; an exact half goes to the even
// neighbour. The decision is taken on the exact value of the double, so
// 0.125 gives 0.12 and 0.375 gives 0.38.
double RoundHalfEven(double value, int decimals);

// Rounding to two decimals, used for every stored pressure and comparison.
inline double Round2(double value) { return RoundHalfEven(value, 2); }

// Trims blanks (spaces and tabs) at both ends.
std::string_view TrimBlanks(std::string_view text) noexcept;
// Trims all the white space XML allows around a value: blanks, tabs, line
// feeds and carriage returns.
std::string_view TrimXmlSpace(std::string_view text) noexcept;

}  // namespace cv
