// Feeds arbitrary project files through the loader, the calculation and the
// reports, and checks more than the absence of crashes: a calculated
// project holds no infinite or not-a-number value, its saved text loads
// again, and recalculating that text gives the same text.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "reports/calculation_table.h"
#include "reports/material_list.h"
#include "reports/result_json.h"
#include "reports/xlsx_export.h"
#include "sizing/network_calculation.h"
#include "sizing/program_state.h"

namespace {

cv::EFVCatalog* catalog = nullptr;
std::string workbookPath;

[[noreturn]] void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "corvanta fuzzer: %s\n%s\n", what, text.c_str());
  std::abort();
}

// Loads, calculates and serialises; false when the project is refused or
// its calculation fails, which is a sound answer to a wrong input.
bool Calculate(std::string_view text, pugi::xml_document& doc, cv::CalcResult& result) {
  if (!cv::LoadDocumentText(doc, text)) return false;
  try {
    cv::ProgramState state;
    cv::DeriveStateFromDocument(doc, state);
    result = cv::Calculate(doc, *catalog, {});
  } catch (const cv::CvError&) {
    return false;
  }
  return true;
}

void CheckStoredNumbers(const pugi::xml_document& doc, const std::string& text) {
  auto broken = [](pugi::xml_node node, const char* field) {
    const std::string_view value = node.child(field).text().get();
    return value.find("Infinity") != value.npos || value.find("NaN") != value.npos;
  };
  if (broken(cv::ProjectRoot(doc), "load")) Fail("the total load is not finite", text);
  for (pugi::xml_node node : cv::AllSystemNodes(doc))
    for (const char* field : {"load", "SupplyPressure", "PressureDrop", "DeliveredPressure"})
      if (broken(node, field)) Fail("a stored number is not finite", text);
}

void WriteReports(const pugi::xml_document& doc, const cv::CalcResult& result) {
  try {
    cv::ProgramState state;
    state.EFVCollection = *catalog;
    cv::UpdateMaterialList(doc, state);
    const cv::CalculationTable table = cv::BuildCalculationTable(doc);
    const bool metric = cv::IsMetricTable(doc);
    cv::CalculationTableText(table, metric);
    cv::ExportCalculationTable(table, metric, workbookPath, "Calculations",
                               cv::ProjectSheetRows(doc, {"fuzz.cv", "", 0}));
    cv::CalcResultJson(result);
  } catch (const cv::CvError&) {
    // A value the reports cannot show is reported to the user.
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  catalog = new cv::EFVCatalog();
  catalog->Load(CORVANTA_FUZZ_CATALOG);
  workbookPath = (std::filesystem::temp_directory_path() /
                  ("corvanta-fuzz-" + std::to_string(::getpid()) + ".xlsx"))
                     .string();
  std::atexit([] { std::filesystem::remove(workbookPath); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  pugi::xml_document doc;
  cv::CalcResult result;
  if (!Calculate(input, doc, result)) return 0;
  const std::string saved = cv::SerializeDocument(doc);
  CheckStoredNumbers(doc, saved);
  WriteReports(doc, result);

  pugi::xml_document again;
  cv::CalcResult againResult;
  if (!Calculate(saved, again, againResult))
    Fail("the saved text does not load again or cannot be recalculated", saved);
  if (cv::SerializeDocument(again) != saved)
    Fail("recalculating the saved text changes it",
         saved + "\n---\n" + cv::SerializeDocument(again));
  return 0;
}
