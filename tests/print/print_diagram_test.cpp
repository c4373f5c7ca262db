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

TEST(PrintDiagram, OnePageWhileReadableElseThePiecesThatHoldTheDrawingInReadingOrder) {
  struct Case {
    int appliances;  // on a manifold below the supply
    int tees;        // a chain beside it, ending in a boiler
    bool onePage;
    bool emptyPieces;  // the grid has pieces that hold nothing
  };
  for (const Case& c : {Case{6, 0, true, false}, Case{150, 0, false, false},
                        Case{0, 7, false, false}, Case{150, 30, false, true}}) {
    SCOPED_TRACE(std::to_string(c.appliances) + " appliances, " + std::to_string(c.tees) + " tees");
    cvtest::TestProject project;
    pugi::xml_node manifold = project.Add(project.Root(), {.id = "1", .appliance = "Manifold"});
    for (int i = 0; i < c.appliances; ++i)
      project.Add(manifold, {.id = std::to_string(100 + i), .appliance = "Boiler", .load = "30"});
    pugi::xml_node end = project.Root();
    for (int i = 0; i < c.tees; ++i)
      end = project.Add(end, {.id = std::to_string(1000 + i), .appliance = "Tee"});
    project.Add(end, {.id = "2", .appliance = "Boiler", .load = "30"});
    project.Calculate();
    const cv::DiagramLayout layout = cv::LayOutDiagram(project.Doc());
    cvtest::RecordingSurface surface;
    cv::PrintDiagramJob(surface, project.Doc(), layout, {}, 1);

    const cv::DiagramPages pages = cv::PlanDiagramPages(layout, 15120, 11520, 4000);
    EXPECT_EQ(pages.firstPage, c.onePage);
    EXPECT_EQ(pages.Count() < pages.rows * pages.columns, c.emptyPieces);
    ASSERT_EQ(surface.PagesIn(0), c.onePage ? 1 : 1 + pages.Count());
    // Every box is printed whole on a page, in labels no smaller than the
    // least readable size.
    const double bottom = surface.PageHeight() - cv::kBottomMargin;
    std::set<std::string> printed;
    for (const Drawn& d : surface.ItemsOf(Drawn::Kind::Text)) {
      if (d.y < bottom) printed.insert(d.text);
      if (d.y >= 4000 || d.page > 0) {
        EXPECT_GE(d.fontSize, cv::kDiagramMinimumPoints) << d.text;
      }
    }
    for (const cv::DiagramBox& box : layout.boxes) EXPECT_EQ(printed.count(box.description), 1u);
    for (int page = 1; !c.onePage && page <= pages.Count(); ++page) {
      const cv::DiagramPages::Piece piece = pages.pieces[page - 1];
      const std::vector<std::string> texts = surface.TextsOn(0, page);
      EXPECT_EQ(texts.front(), "Diagram page " + std::to_string(page) + " of " +
                                   std::to_string(pages.Count()) + ", row " +
                                   std::to_string(piece.row) + ", column " +
                                   std::to_string(piece.column));
    }
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
