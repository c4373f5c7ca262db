#include "reports/sheet_layout.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cv {

namespace {

// Column width units per character: a little above one, since capitals
// are wider than the digit the unit is measured by; bold a little more.
constexpr double kPlainCharWidth = 1.1;
constexpr double kBoldCharWidth = 1.2;
constexpr double kCellPadding = 1.5;
// The widest column a spreadsheet allows.
constexpr double kMaxColumnWidth = 255;

double PlainWidth(std::string_view text) {
  return static_cast<double>(CharacterCount(text)) * kPlainCharWidth + kCellPadding;
}

double BoldWidth(size_t characters) {
  return static_cast<double>(characters) * kBoldCharWidth + kCellPadding;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

size_t LongestWord(std::string_view text) {
  size_t longest = 0;
  for (std::string_view word : Words(text)) longest = std::max(longest, CharacterCount(word));
  return longest;
}

// Lines of a header wrapped at word boundaries into a column of this width.
int WrappedLines(std::string_view text, double width) {
  int lines = 0;
  size_t used = 0;  // characters on the current line
  for (std::string_view word : Words(text)) {
    const size_t length = CharacterCount(word);
    if (lines > 0 && BoldWidth(used + 1 + length) <= width) {
      used += 1 + length;
    } else {
      ++lines;
      used = length;
    }
  }
  return std::max(lines, 1);
}

double HeaderWidth(std::string_view header) {
  const double whole = BoldWidth(CharacterCount(header));
  const double wrapped = std::max(kHeaderColumnWidth, BoldWidth(LongestWord(header)));
  return std::min(whole, wrapped);
}

}  // namespace

size_t CharacterCount(std::string_view text) noexcept {
  // Count every byte that does not continue a multi-byte sequence.
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

double TextColumnWidth(std::string_view text, bool bold) {
  return std::min(bold ? BoldWidth(CharacterCount(text)) : PlainWidth(text), kMaxColumnWidth);
}

SheetLayout FitSheetLayout(const CalculationTable& table, const CalculationRow& headers) {
  SheetLayout layout;
  int lines = 1;
  for (size_t c = 0; c < kCalculationColumns; ++c) {
    double width = HeaderWidth(headers[c]);
    for (const CalculationRow& row : table.rows)
      if (!row[c].empty()) width = std::max(width, PlainWidth(row[c]));
    layout.columnWidths[c] = std::min(width, kMaxColumnWidth);
    lines = std::max(lines, WrappedLines(headers[c], width));
  }
  layout.headerRowHeight = kLineHeight * lines;
  return layout;
}

}  // namespace cv
