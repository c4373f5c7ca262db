#include "cli/report_output.h"

#include <algorithm>
#include <iterator>

#include "reports/calculation_table.h"
#include "reports/diagram_svg.h"
#include "reports/material_list.h"
#include "reports/xlsx_export.h"

namespace cv::cli {

void WriteReports(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  std::ostream& out) {
  if (options.materialList) out << UpdateMaterialList(doc, state);
  if (!options.diagramPath.empty()) {
    std::vector<std::string> failed;
    std::transform(state.SizingFailures.begin(), state.SizingFailures.end(),
                   std::back_inserter(failed), [](const auto& f) { return f.nodeId; });
    WriteDiagramSvg(LayOutDiagram(doc, failed), options.diagramPath);
  }
  if (!options.table && options.xlsxPath.empty()) return;
  const CalculationTable table = BuildCalculationTable(doc);
  const bool metric = IsMetricTable(doc);
  if (options.table) out << CalculationTableText(table, metric);
  if (!options.xlsxPath.empty())
    ExportCalculationTable(
        table, metric, options.xlsxPath, SheetNameForProject(options.projectPath),
        ProjectSheetRows(doc,
                         {options.projectPath, CurrentDateTimeText(), CountRunsNotSized(state)}));
}

}  // namespace cv::cli
