#include "cli/report_output.h"

#include "reports/calculation_table.h"
#include "reports/material_list.h"
#include "reports/xlsx_export.h"

namespace cv::cli {

void WriteReports(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  std::ostream& out) {
  if (options.materialList) out << UpdateMaterialList(doc, state);
  if (!options.table && options.xlsxPath.empty()) return;
  const CalculationTable table = BuildCalculationTable(doc);
  const bool metric = IsMetricTable(doc);
  if (options.table) out << CalculationTableText(table, metric);
  if (!options.xlsxPath.empty())
    ExportCalculationTable(table, metric, options.xlsxPath,
                           SheetNameForProject(options.projectPath));
}

}  // namespace cv::cli
