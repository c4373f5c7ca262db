// The header rows are checked by the report reference projects.
#include "reports/calculation_table.h"

#include <gtest/gtest.h>

#include "project/document.h"
#include "reports/expect_cv_error.h"
#include "support/project_builder.h"

namespace {

// Adds a run below the gas supply with the pressures a calculation wrote.
pugi::xml_node AddCalculated(cvtest::TestProject& project, const cvtest::Run& run,
                             const char* supply, const char* drop, const char* delivered) {
  pugi::xml_node node = project.Add(project.Root(), run);
  cv::SetFieldText(node, "SupplyPressure", supply);
  cv::SetFieldText(node, "PressureDrop", drop);
  cv::SetFieldText(node, "DeliveredPressure", delivered);
  return node;
}

TEST(CalculationTable, EnglishRowsFollowTheDocumentBelowAnEmptyRow) {
  cvtest::TestProject project;
  AddCalculated(
      project, {.id = "7", .load = "150", .length = "16", .size = "20A CSST", .description = "Tee"},
      "6.99996", "0.5", "0.12345678");
  AddCalculated(project,
                {.id = "3",
                 .load = "12.50\n",
                 .length = " 0",
                 .material = "Pipe",
                 .description = "Kitchen & <Range>"},
                "6.5", "0", "6.5");
  const cv::CalculationTable table = cv::BuildCalculationTable(project.Doc());
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0], cv::CalculationRow{});
  // 0.5 / 16 = 0.03125 exactly: the half goes to the even neighbour.
  EXPECT_EQ(table.rows[1], (cv::CalculationRow{"1", "Tee", "CORVANTA", "150", "20A CSST", "16",
                                               "0.0312", "7", "0.5", "0.1235"}));
  // Load and length as read, without the white space around them; a run of
  // 0 length has drop per foot "0".
  EXPECT_EQ(table.rows[2], (cv::CalculationRow{"2", "Kitchen & <Range>", "Pipe", "12.50", "", "0",
                                               "0", "6.5", "0", "6.5"}));
  EXPECT_FALSE(cv::IsMetricTable(project.Doc()));
}

// Millibar by the units' one factor, as the tree shows them: 20 mb of
// supply is 20, not 20.06.
TEST(CalculationTable, MetricRowsUseTheOneMillibarFactor) {
  cvtest::TestProject project({.method = "User Defined Method"});
  AddCalculated(project,
                {.id = "1", .load = "39.683201", .length = "32.808399", .description = "Boiler"},
                "8.04402", "0.5", "7.54402");
  ASSERT_TRUE(cv::IsMetricTable(project.Doc()));
  EXPECT_EQ(cv::BuildCalculationTable(project.Doc()).rows.at(1),
            (cv::CalculationRow{"1", "Boiler", "CORVANTA", "10", "", "10", "0.1243", "20", "1.2432",
                                "18.7568"}));
}

// The page shows a dash for the pressures of a tee that feeds nothing.
TEST(CalculationTable, PageDashesPressuresNeverComputed) {
  cvtest::TestProject project;
  AddCalculated(project, {.id = "1", .appliance = "Range", .length = "4"}, "7", "0.2", "6.8");
  AddCalculated(project, {.id = "2", .appliance = "Tee", .length = "4"}, "0", "0", "0");
  cv::CalculationTable table = cv::BuildCalculationTable(project.Doc());
  cv::DashUncomputedPressures(table, project.Doc());
  EXPECT_EQ(table.rows[1][9], "6.8");
  EXPECT_EQ(table.rows[2],
            (cv::CalculationRow{"2", "Tee 2", "CORVANTA", "0", "", "4", "-", "-", "-", "-"}));
}

TEST(CalculationTable, ValueThatIsNotANumberFails) {
  cvtest::TestProject project;
  AddCalculated(project, {.id = "1"}, "7", "high", "6");
  cvtest::ExpectCvError([&] { cv::BuildCalculationTable(project.Doc()); }, cv::kErrTypeMismatch,
                        "modSummaryFuntions.BuildCalculationTable");
}

TEST(CalculationTable, TextHasNoBreaksInCells) {
  cvtest::TestProject project;
  project.Add(project.Root(), {.id = "1", .length = "10", .description = "Line\tone\r\nend"});
  const std::string text =
      cv::CalculationTableText(cv::BuildCalculationTable(project.Doc()), false);
  EXPECT_EQ(text.substr(text.find('\n') + 1), "1\tLine one  end\tCORVANTA\t0\t\t10\t0\t0\t0\t0\n");
}

}  // namespace
