// The calculation table: for every network node the ten values a designer
// hands on, converted to the project's unit system.
#pragma once

#include <array>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace cv {

inline constexpr size_t kCalculationColumns = 10;
using CalculationRow = std::array<std::string, kCalculationColumns>;

// Rows 0 to n: row 0 stays empty, row r holds the r-th SystemNode of the
// document in document order.
struct CalculationTable {
  std::vector<CalculationRow> rows;
};

// True when the project's calculationType is "User Defined Method", whose
// table is in metric units; a missing calculationType fails with error 91.
bool IsMetricTable(const pugi::xml_document& doc);

// The ten column headers of the English or the metric table.
const CalculationRow& CalculationHeaders(bool metric);

// Builds the table from the calculated document. A value that is missing or
// not a number where one is needed fails, with
// "modSummaryFuntions.BuildCalculationTable" in the description.
CalculationTable BuildCalculationTable(const pugi::xml_document& doc);

// For the Calculations page: the rows of runs the last calculation gave no
// pressures show a dash in the drop per length and the three pressure
// columns (the export keeps the stored figures).
void DashUncomputedPressures(CalculationTable& table, const pugi::xml_document& doc);

// The table as tab-separated text: the header row, then rows 1 to n, each
// line ended by LF. Tabs and line breaks inside a cell become blanks.
std::string CalculationTableText(const CalculationTable& table, bool metric);

}  // namespace cv
