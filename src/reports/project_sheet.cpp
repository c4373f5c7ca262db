#include "reports/project_sheet.h"

#include <ctime>
#include <filesystem>

#include "core/number_text.h"
#include "core/version.h"
#include "project/document.h"
#include "project/project_state.h"
#include "reports/calculation_table.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// A stored pressure (inches of water column) in a unit, to four decimals.
struct Unit {
  const char* caption;
  double divisor;
};
constexpr Unit kInches{"in W.C.", 1};
constexpr Unit kPsi{"psi", kInchesWcPerPsi};
constexpr Unit kMillibar{"mb", kPressureFactor};

ProjectSheetRow TextRow(const char* label, std::string value) {
  return {label, std::move(value), "", false};
}

ProjectSheetRow PressureRow(const char* label, pugi::xml_node root, int attribute, Unit unit) {
  const double inches = ParseNumber(RootAttributeText(root, attribute));
  return {label, FormatNumber(RoundHalfEven(inches / unit.divisor, 4)), unit.caption, true};
}

void AddSupplyRows(const pugi::xml_document& doc, std::vector<ProjectSheetRow>& rows) {
  const pugi::xml_node root = ProjectRoot(doc);
  const bool metric = IsMetricTable(doc);
  const bool delivery = FieldText(root, "calculationType") == "Delivery Pressure Method";
  const Unit low = metric ? kMillibar : kInches;
  const Unit high = metric ? kMillibar : kPsi;
  const bool dual = IsDualSystem(doc);
  if (dual) {
    rows.push_back(PressureRow("High side supply pressure", root, kAttrHighSupplyPressure, high));
    rows.push_back(PressureRow("High side allowable pressure drop", root,
                               kAttrHighSupplyAllowablePressureDrop, high));
  }
  rows.push_back(PressureRow(dual ? "Low side supply pressure" : "Supply pressure", root,
                             kAttrInternalLowSupplyPressure, low));
  if (delivery)
    rows.push_back(
        PressureRow("Delivery pressure", root, kAttrInternalLowSupplyDeliveryPressure, low));
  else
    rows.push_back(
        PressureRow(dual ? "Low side allowable pressure drop" : "Allowable pressure drop", root,
                    kAttrInternalLowSupplyAllowablePressureDrop, low));
}

}  // namespace

std::string CurrentDateTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local));
}

std::vector<ProjectSheetRow> ProjectSheetRows(const pugi::xml_document& doc,
                                              const ProjectFacts& facts) {
  const pugi::xml_node root = ProjectRoot(doc);
  const std::string file = facts.projectPath.empty()
                               ? "New Project"
                               : std::filesystem::path(facts.projectPath).filename().string();
  std::vector<ProjectSheetRow> rows = {
      TextRow("File name", file),
      TextRow("Date", facts.dateTime),
      TextRow("Calculation method", FieldText(root, "calculationType")),
      TextRow("Gas", RootAttributeText(root, kAttrGasType)),
  };
  AddSupplyRows(doc, rows);
  rows.push_back(TextRow("Program version", kVersionText));
  rows.push_back({"Runs not sized", std::to_string(facts.runsNotSized), "", true});
  return rows;
}

}  // namespace cv
