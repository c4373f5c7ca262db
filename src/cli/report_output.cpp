#include "cli/report_output.h"

#include <algorithm>
#include <iterator>

#include "core/file_writes.h"
#include "reports/calculation_table.h"
#include "reports/diagram_svg.h"
#include "reports/material_list.h"
#include "reports/pressure_profile.h"
#include "reports/profile_drawing.h"
#include "reports/runs_not_sized.h"
#include "reports/xlsx_export.h"

namespace cv::cli {

namespace {

void WriteProfile(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  std::ostream& out) {
  const PressureProfile profile = BuildPressureProfile(doc, options.profileId, state.DualSystemFlag,
                                                       state.UnitSystem, RunsNotSized(state));
  if (options.profileJson) out << PressureProfileJson(profile);
  if (!options.profileSvgPath.empty())
    WriteFileReplacing(options.profileSvgPath, PressureProfileSvg(profile));
}

}  // namespace

void WriteReports(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  std::ostream& out) {
  if (options.materialList) out << UpdateMaterialList(doc, state);
  if (!options.diagramPath.empty()) {
    std::vector<std::string> failed;
    std::transform(state.SizingFailures.begin(), state.SizingFailures.end(),
                   std::back_inserter(failed), [](const auto& f) { return f.nodeId; });
    WriteDiagramSvg(LayOutDiagram(doc, failed), options.diagramPath);
  }
  if (!options.profileId.empty()) WriteProfile(options, doc, state, out);
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
