// Column widths and the header row's height of the exported calculation
// table. The spreadsheet library cannot measure text, so the widths are
// estimated from the number of characters of the default font.
#pragma once

#include <array>
#include <string_view>

#include "reports/calculation_table.h"

namespace cv {

// The width the header row starts from; a header wraps to fit it.
inline constexpr double kHeaderColumnWidth = 15;
// Height in points of one line of the default font.
inline constexpr double kLineHeight = 15;

struct SheetLayout {
  std::array<double, kCalculationColumns> columnWidths{};  // in characters
  double headerRowHeight = kLineHeight;                    // in points
};

// Fits every column to the longest cell text of the table below it; the
// header may wrap within the header width, but never narrows the column
// below its longest word. The header row is made tall enough for the
// wrapped headers.
SheetLayout FitSheetLayout(const CalculationTable& table, const CalculationRow& headers);

// The number of characters of a UTF-8 text.
size_t CharacterCount(std::string_view text) noexcept;

// The column width (in characters) that holds the text in the default
// font, bold or not.
double TextColumnWidth(std::string_view text, bool bold);

}  // namespace cv
