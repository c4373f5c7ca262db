// The design layout printout: numbering, icons, positions and connectors of
// the drawing, copies, and a drawing longer than a page.
#include "reports/print_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/recording_surface.h"
#include "support/project_builder.h"

namespace {

using cvtest::Drawn;
using cvtest::Run;

Run Kind(const std::string& id, const std::string& appliance, const std::string& description) {
  Run run;
  run.id = id;
  run.appliance = appliance;
  run.description = description;
  run.size = "10A CSST";
  return run;
}

// Gas Supply -> Tee (Furnace, water heater), Sauna
class SmallNetwork : public ::testing::Test {
 protected:
  SmallNetwork() {
    cvtest::BuildProject(doc_);
    pugi::xml_node root = doc_.document_element();
    pugi::xml_node tee = cvtest::AddRun(root, Kind("11", "Tee", "Tee"));
    cvtest::AddRun(tee, Kind("12", "Furnace", "Furnace"));
    cvtest::AddRun(tee, Kind("13", "water heater", "Heater"));
    cvtest::AddRun(root, Kind("14", "Sauna", "Sauna"));
  }

  void Draw() {
    surface_.SetCurrentX(2000);
    surface_.SetCurrentY(4000);
    cv::DrawLayout(surface_, doc_);
  }

  pugi::xml_document doc_;
  cvtest::RecordingSurface surface_;
};

// The supply and a kind without an image get the logo image.
TEST_F(SmallNetwork, NumbersNodesInPreOrderAndDrawsTheImageOfTheirKindInAnyLetterCase) {
  Draw();
  EXPECT_EQ(surface_.Texts(), (std::vector<std::string>{"Gas Supply", "Tee  [1] ", "Furnace  [2] ",
                                                        "Heater  [3] ", "Sauna  [4] "}));
  std::vector<std::string> keys;
  for (const Drawn& d : surface_.ItemsOf(Drawn::Kind::Picture)) keys.push_back(d.text);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"kestLogo", "Tee", "Furnace", "Water Heater", "kestLogo"}));
}

cv::PrintHeader Header() {
  cv::PrintHeader h;
  h.projectPath = "/tmp/p.cv";
  h.gasType = "Propane";
  return h;
}

TEST_F(SmallNetwork, EveryCopyIsALandscapeDocumentOfItsOwn) {
  cv::PrintDesignLayoutJob(surface_, doc_, Header(), 2);
  EXPECT_EQ(surface_.DocumentsEnded(), 2);
  for (int document = 0; document < 2; ++document) {
    const std::vector<std::string> texts = surface_.TextsOn(document, 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "System Settings"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Sauna  [4] "), 1) << "numbers restart";
  }
  for (const Drawn& d : surface_.Items()) EXPECT_EQ(d.orientation, cv::PageOrientation::Landscape);
}

// A supply with 40 appliances does not fit on one landscape page.
TEST(LongNetwork, GoesOnOnTheNextPagesWithNothingLostOrOffThePage) {
  pugi::xml_document doc;
  cvtest::BuildProject(doc);
  for (int i = 1; i <= 40; ++i)
    cvtest::AddRun(doc.document_element(),
                   Kind(std::to_string(200 + i), "Range", "R" + std::to_string(i)));
  cvtest::RecordingSurface surface;
  cv::PrintDesignLayoutJob(surface, doc, Header(), 1);
  ASSERT_EQ(surface.DocumentsEnded(), 1);
  ASSERT_GE(surface.PagesIn(0), 2);
  for (int i = 1; i <= 40; ++i) {
    const std::string label = "R" + std::to_string(i) + "  [" + std::to_string(i) + "] ";
    EXPECT_TRUE(surface.FindText(label)) << label;
  }
  for (const Drawn& d : surface.Items()) {
    const double bottom = d.kind == Drawn::Kind::Line ? std::max(d.y, d.y2) : d.y + 240;
    EXPECT_LE(bottom, 11520 - cv::kBottomMargin) << d.text << " on page " << d.page;
    EXPECT_GE(d.y, 0);
  }
  for (int page = 1; page < surface.PagesIn(0); ++page) {
    const std::vector<std::string> texts = surface.TextsOn(0, page);
    EXPECT_FALSE(texts.empty());
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "System Settings"), 0);
  }
  // The connector goes on from the top of the new page.
  const std::vector<Drawn> lines = surface.ItemsOf(Drawn::Kind::Line);
  const auto firstOnPage1 =
      std::find_if(lines.begin(), lines.end(), [](const Drawn& d) { return d.page == 1; });
  ASSERT_NE(firstOnPage1, lines.end());
  EXPECT_EQ(firstOnPage1->y, cv::kContinuationTop);
}

}  // namespace
