// What a screen reader hears for a node, how the arrow keys walk the
// diagram, and the contrast of the colours that mark failed runs.
#include <gtest/gtest.h>

#include "project/document.h"
#include "reports/colour_contrast.h"
#include "reports/diagram_moves.h"
#include "reports/node_reading.h"
#include "support/project_builder.h"

namespace {

TEST(NodeReading, ReadsDescriptionKindLoadSizeAndDeliveredPressure) {
  struct Case {
    const char* kind;
    const char* load;
    const char* size;
    const char* delivered;
    bool sized;
    bool metric;
    const char* expected;
  };
  const Case cases[] = {
      {"Range", "65", "20A CSST", "6.564", true, false,
       "Node, Range, 65 kBTU, 20A CSST, delivered 6.56 in WC"},
      {"Range", "65", "20A CSST", "6.564", false, false, "Node, Range, 65 kBTU, not sized"},
      {"Range", "65", "", "0", true, false, "Node, Range, 65 kBTU, not sized"},
      {"Range", "65", "20A CSST", "", true, false, "Node, Range, 65 kBTU, 20A CSST"},
      {"Tee", "0", "25A CSST", "7", true, false, "Node, Tee, 25A CSST"},
      {"Dryer", "39.683201", "15A CSST", "4.02201", true, true,
       "Node, Dryer, 10 kCal, 15A CSST, delivered 10 mb"},
  };
  for (const Case& c : cases) {
    cvtest::TestProject project;
    pugi::xml_node node = project.Add(
        project.Root(),
        {.id = "1", .appliance = c.kind, .load = c.load, .size = c.size, .description = "Node"});
    cv::SetFieldText(node, "DeliveredPressure", c.delivered);
    EXPECT_EQ(cv::NodeReading(node, c.metric, false, c.sized), c.expected) << c.expected;
  }
  cvtest::TestProject project;
  EXPECT_EQ(cv::NodeReading(project.Root(), false, false, true), "Gas Supply");
}

TEST(DiagramMoves, ArrowsWalkParentFirstChildAndSiblingsAsTheTree) {
  // Gas supply -> 1 tee (2 range, 3 manifold (4, 5 lamps), 6 dryer), 7 grill.
  cvtest::TestProject project;
  pugi::xml_node tee = project.Add(project.Root(), {.id = "1", .appliance = "Tee"});
  project.Add(tee, {.id = "2", .appliance = "Range"});
  pugi::xml_node manifold = project.Add(tee, {.id = "3", .appliance = "Manifold"});
  project.Add(manifold, {.id = "4", .appliance = "Lamp"});
  project.Add(manifold, {.id = "5", .appliance = "Lamp"});
  project.Add(tee, {.id = "6", .appliance = "Dryer"});
  project.Add(project.Root(), {.id = "7", .appliance = "Grill"});
  const cv::DiagramLayout layout = cv::LayOutDiagram(project.Doc());
  using M = cv::DiagramMove;
  struct Case {
    const char* from;
    M move;
    const char* to;
  };
  const Case cases[] = {
      {"CVSystem", M::Parent, "CVSystem"},
      {"CVSystem", M::FirstChild, "1"},
      {"CVSystem", M::NextSibling, "CVSystem"},
      {"1", M::NextSibling, "7"},
      {"7", M::PreviousSibling, "1"},
      {"1", M::PreviousSibling, "1"},
      {"7", M::NextSibling, "7"},
      {"2", M::NextSibling, "3"},
      {"3", M::NextSibling, "6"},
      {"6", M::PreviousSibling, "3"},
      {"3", M::PreviousSibling, "2"},
      {"3", M::FirstChild, "4"},
      {"4", M::NextSibling, "5"},
      {"5", M::NextSibling, "5"},
      {"4", M::PreviousSibling, "4"},
      {"5", M::Parent, "3"},
      {"2", M::FirstChild, "2"},
      {"6", M::Parent, "1"},
  };
  for (const Case& c : cases) {
    const int to = cv::DiagramStep(layout, cv::FindBox(layout, c.from), c.move);
    EXPECT_EQ(to, cv::FindBox(layout, c.to)) << c.from << " move " << static_cast<int>(c.move);
  }
}

TEST(ColourContrast, FailedRunsAndDiagramTextsReadAtFourAndAHalfToOne) {
  EXPECT_NEAR(cv::ContrastRatio({0, 0, 0}, {255, 255, 255}), 21, 1e-9);
  EXPECT_NEAR(cv::ContrastRatio({255, 0, 0}, {255, 255, 255}), 4.0, 0.01);  // too light
  const cv::Colour windowGrey{239, 239, 239};
  for (const cv::Colour text : {cv::kDiagramFailed, cv::kDiagramInk})
    for (const cv::Colour ground :
         {cv::kDiagramPaper, cv::kDiagramSelectedFill, cv::kDiagramMarkFill, windowGrey})
      EXPECT_GE(cv::ContrastRatio(text, ground), cv::kReadableContrast)
          << int(text.red) << " on " << int(ground.red) << "," << int(ground.green) << ","
          << int(ground.blue);
}

}  // namespace
