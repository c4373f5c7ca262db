#include "cli/report_output.h"

#include "core/file_writes.h"
#include "project/project_state.h"
#include "reports/calculation_table.h"
#include "reports/diagram_svg.h"
#include "reports/material_list.h"
#include "reports/pressure_profile.h"
#include "reports/profile_drawing.h"
#include "reports/result_json.h"
#include "reports/xlsx_export.h"

namespace cv::cli {

namespace {

void WriteProfile(const Options& options, const pugi::xml_document& doc, const CalcResult& result,
                  std::ostream& out) {
  const PressureProfile profile = BuildPressureProfile(doc, options.profileId, IsDualSystem(doc),
                                                       DocumentUnitSystem(doc), result);
  if (options.profileJson) out << PressureProfileJson(profile);
  if (!options.profileSvgPath.empty())
    WriteFileReplacing(options.profileSvgPath, PressureProfileSvg(profile));
}

}  // namespace

void WriteReports(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  const CalcResult& result, std::ostream& out) {
  if (options.materialList) out << UpdateMaterialList(doc, state);
  if (options.json) out << CalcResultJson(result);
  if (!options.diagramPath.empty())
    WriteDiagramSvg(LayOutDiagram(doc, result.UnsizedRunIds()), options.diagramPath);
  if (!options.profileId.empty()) WriteProfile(options, doc, result, out);
  if (!options.table && options.xlsxPath.empty()) return;
  const CalculationTable table = BuildCalculationTable(doc);
  const bool metric = IsMetricTable(doc);
  if (options.table) out << CalculationTableText(table, metric);
  if (!options.xlsxPath.empty())
    ExportCalculationTable(
        table, metric, options.xlsxPath, SheetNameForProject(options.projectPath),
        ProjectSheetRows(doc, {options.projectPath, CurrentDateTimeText(), result.UnsizedCount()}));
}

void ListUnsizedRuns(const CalcResult& result, std::ostream& err) {
  for (const RunResult& run : result.runs) {
    if (run.status == RunStatus::Sized) continue;
    err << RunStatusText(run.status) << ": '" << run.description << "' (id " << run.id << ")";
    if (run.status != RunStatus::Failed) err << ": " << run.message;
    err << "\n";
  }
}

}  // namespace cv::cli
