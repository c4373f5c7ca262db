// The diagram printout: one page while the labels stay readable, otherwise
// pieces in reading order, each captioned with its place in the whole.
#include "reports/print_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "print/recording_surface.h"
#include "support/project_builder.h"

namespace {

using cvtest::Drawn;

TEST(PrintDiagram, SmallNetworkFitsOnePageAndLargeOneIsSpreadInReadingOrder) {
  struct Case {
    int appliances;
    bool onePage;
  };
  for (const Case& c : {Case{6, true}, Case{150, false}}) {
    SCOPED_TRACE(c.appliances);
    cvtest::TestProject project;
    pugi::xml_node manifold = project.Add(project.Root(), {.id = "1", .appliance = "Manifold"});
    for (int i = 0; i < c.appliances; ++i)
      project.Add(manifold, {.id = std::to_string(100 + i), .appliance = "Boiler", .load = "30"});
    project.Calculate();
    const cv::DiagramLayout layout = cv::LayOutDiagram(project.Doc());
    cvtest::RecordingSurface surface;
    cv::PrintDiagramJob(surface, project.Doc(), layout, {}, 1);

    const cv::DiagramPages pages = cv::PlanDiagramPages(layout, 15120, 11520, 4000);
    EXPECT_EQ(pages.Count() == 1, c.onePage);
    ASSERT_EQ(surface.PagesIn(0), c.onePage ? 1 : 1 + pages.Count());
    std::set<std::string> printed;
    for (const Drawn& d : surface.ItemsOf(Drawn::Kind::Text)) {
      printed.insert(d.text);
      if (d.y >= 4000 || d.page > 0) {
        EXPECT_GE(d.fontSize, cv::kDiagramMinimumPoints) << d.text;
      }
    }
    for (const cv::DiagramBox& box : layout.boxes) EXPECT_EQ(printed.count(box.description), 1u);
    for (int row = 1, page = 1; !c.onePage && row <= pages.rows; ++row)
      for (int column = 1; column <= pages.columns; ++column, ++page)
        EXPECT_EQ(surface.TextsOn(0, page).front(),
                  "Diagram page " + std::to_string(page) + " of " + std::to_string(pages.Count()) +
                      ", row " + std::to_string(row) + ", column " + std::to_string(column));
  }
}

TEST(PageBreak, BlockThatExactlyFitsStaysOnThePage) {
  struct Case {
    double room;  // from the current y down to the bottom margin
    double height;
    bool broken;
  };
  for (const Case& c : {Case{500, 499, false}, Case{500, 500, false}, Case{500, 501, true}}) {
    cvtest::RecordingSurface surface;
    surface.SetCurrentY(surface.PageHeight() - cv::kBottomMargin - c.room);
    EXPECT_EQ(cv::BreakPageFor(surface, c.height), c.broken) << c.height;
    EXPECT_EQ(surface.PageBreaksIn(0), c.broken ? 1 : 0);
  }
}

}  // namespace
