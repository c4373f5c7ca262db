// The calculation table written as a spreadsheet workbook (.xlsx).
#pragma once

#include <string>
#include <vector>

#include "reports/calculation_table.h"
#include "reports/project_sheet.h"

namespace cv {

// Writes the table into a new workbook at path, replacing an earlier file
// only once the new one is complete: the headers of the English or metric
// set in row 1 (bold, centred, wrapped), row 2 empty, the nodes from row 3,
// thin borders on every cell of the used range and columns fitted to their
// texts. Cell texts that are numbers become number cells; what XML cannot
// hold in a text is replaced (XmlSafeText), so the workbook is well-formed.
// A second sheet, "Project", holds the project rows. A failure (error 75
// for the file, 5 for a sheet name that is not allowed) leaves with
// "modSummaryFuntions.ExportCalculationTable" in its description.
void ExportCalculationTable(const CalculationTable& table, bool metric, const std::string& path,
                            const std::string& sheetName,
                            const std::vector<ProjectSheetRow>& projectRows);

// A sheet name the spreadsheet accepts, made from the project file's name
// without folder and extension, made valid UTF-8 (XmlSafeText): characters a sheet name may not
// hold
// ([ ] : * ? / \) become "_", leading and trailing apostrophes go, and it is
// cut to 31 characters. An unsaved project, a name left empty, or one a
// spreadsheet or the workbook keeps for itself, gives "Calculations".
std::string SheetNameForProject(const std::string& projectPath);

}  // namespace cv
