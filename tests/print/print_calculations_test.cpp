// The calculations printout: every row of the table printed with its
// numbers, pages that break between rows under repeated headers, and the
// runs not sized marked by their status, in red, with one note per status.
#include "reports/print_calculations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/recording_surface.h"
#include "reports/calculation_table.h"
#include "support/project_builder.h"

namespace {

using cvtest::Drawn;

TEST(CalculationsPrintout, EveryRowOnceWithItsNumbersUnderHeadersOnEveryPage) {
  cvtest::TestProject project;
  for (int i = 1; i <= 45; ++i)
    project.Add(project.Root(), {.id = std::to_string(i), .appliance = "Range", .load = "40"});
  project.Calculate();
  cv::CalcResult result = cv::ReadCalcResult(project.Doc(), false, {});
  using enum cv::RunStatus;
  const std::pair<size_t, cv::RunStatus> marked[] = {
      {7, OutsideLimit}, {8, Failed}, {9, NotReached}, {30, OutsideLimit}};
  for (const auto& [row, status] : marked) result.runs[row - 1].status = status;
  cvtest::RecordingSurface surface;
  cv::PrintCalculationsJob(surface, project.Doc(), {}, result, 1);

  ASSERT_GE(surface.PagesIn(0), 2);
  for (int page = 0; page < surface.PagesIn(0); ++page) {
    const std::vector<std::string> texts = surface.TextsOn(0, page);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Pipe Size"), 1) << page;
  }
  const std::vector<Drawn> items = surface.ItemsOf(Drawn::Kind::Text);
  const double referenceX = surface.FindText("Reference")->x;
  const cv::CalculationTable table = cv::BuildCalculationTable(project.Doc());
  for (size_t r = 1; r < table.rows.size(); ++r) {
    const cv::RunStatus status = result.runs[r - 1].status;
    const std::string reference = table.rows[r][0] + std::string(cv::StatusMark(status));
    const auto cell = std::ranges::find_if(
        items, [&](const Drawn& d) { return d.text == reference && d.x == referenceX; });
    ASSERT_NE(cell, items.end()) << reference;
    std::vector<std::string> row;
    for (const Drawn& d : items)
      if (d.page == cell->page && d.y == cell->y) {
        row.push_back(d.text);
        EXPECT_EQ(d.ink, status == Sized ? cv::kDiagramInk : cv::kDiagramFailed) << reference;
      }
    std::vector<std::string> expected(table.rows[r].begin(), table.rows[r].end());
    expected[0] = reference;
    EXPECT_EQ(row, expected) << reference;
    EXPECT_LE(cell->y + cvtest::RecordingSurface::LineHeight(8), 11520 - cv::kBottomMargin);
  }
  for (const cv::RunStatus status : {OutsideLimit, Failed, NotReached})
    EXPECT_EQ(std::ranges::count(surface.Texts(), cv::StatusNote(status)), 1);
}

}  // namespace
