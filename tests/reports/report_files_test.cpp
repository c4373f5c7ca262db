// The material list and the calculation table of calculated projects, each
// compared with the result kept for it (a folder each under
// tests/data/reports/reference).
#include <gtest/gtest.h>

#include "project/document.h"
#include "project/project_state.h"
#include "reports/calculation_table.h"
#include "reports/material_list.h"
#include "sizing/network_calculation.h"
#include "support/files.h"
#include "support/reference_files.h"
#include "support/run_program.h"

namespace {

struct ReportCase {
  std::string name;
  std::string project;
  std::string expected;  // path prefix of the .material_list.txt and .table.tsv
  std::string catalog;
};

std::vector<ReportCase> AllCases() {
  std::vector<ReportCase> cases;
  const std::string reference = cvtest::TestDataDir() + "/reports/reference/";
  for (const std::string& name : cvtest::SubfolderNames(reference))
    cases.push_back({name, reference + name + "/input.cv", reference + name + "/expected",
                     cvtest::ReferenceCatalogPath()});
  return cases;
}

class ReportFiles : public ::testing::TestWithParam<ReportCase> {
 protected:
  // Loads and calculates the project as the window program does.
  void SetUp() override {
    ASSERT_EQ(cv::LoadDocumentFile(doc, GetParam().project).status, cv::LoadStatus::Ok);
    state.EFVCollection.Load(GetParam().catalog);
    cv::DeriveStateFromDocument(doc, state);
    cv::CalculateProject(doc, state);
  }

  pugi::xml_document doc;
  cv::ProgramState state;
};

TEST_P(ReportFiles, MaterialListAndCalculationTableMatch) {
  EXPECT_EQ(cv::UpdateMaterialList(doc, state),
            cvtest::ReadFile(GetParam().expected + ".material_list.txt"));
  EXPECT_EQ(cv::CalculationTableText(cv::BuildCalculationTable(doc), cv::IsMetricTable(doc)),
            cvtest::ReadFile(GetParam().expected + ".table.tsv"));
}

INSTANTIATE_TEST_SUITE_P(Projects, ReportFiles, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

// The command-line sizer prints the same reports and writes the workbook.
TEST(SizerReports, OptionsPrintTheReportsAfterTheCalculation) {
  const std::string folder = cvtest::TestDataDir() + "/reports/reference/case_0000";
  const std::string catalog = cvtest::ReferenceCatalogPath();
  cvtest::TempDir temp;

  auto list = cvtest::RunProgram(cvtest::SizerPath(),
                                 {"--catalog", catalog, "--material-list", folder + "/input.cv"});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out, cvtest::ReadFile(folder + "/expected.material_list.txt"));

  const std::string calculated = temp.File("out.cv");
  const std::string workbook = temp.File("table.xlsx");
  auto table = cvtest::RunProgram(cvtest::SizerPath(), {"--catalog", catalog, "-o", calculated,
                                                        "--table", folder + "/input.cv"});
  EXPECT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(table.out, cvtest::ReadFile(folder + "/expected.table.tsv"));
  EXPECT_TRUE(cvtest::FileExists(calculated));
  auto exported = cvtest::RunProgram(
      cvtest::SizerPath(), {"--catalog", catalog, "--export-xlsx", workbook, folder + "/input.cv"});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(cvtest::ReadFile(workbook).substr(0, 2), "PK");
}

}  // namespace
