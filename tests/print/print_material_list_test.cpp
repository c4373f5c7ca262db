// The material list printout: the lines of the list in their font and
// places, copies, and a list longer than a page.
#include "reports/print_material_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/recording_surface.h"
#include "support/project_builder.h"

namespace {

using cvtest::Drawn;

const char* const kList =
    "CORVANTA Tubing Totals:\r\n\r\n15A CSST - 57 ft\r\n\r\nPipe Totals:\r\n\r\n"
    "1\" SCHEDULE 40    - 20 ft\r\n\r\n\r\nEFVs in the System:\r\n\r\n";

class MaterialListPrintout : public ::testing::Test {
 protected:
  MaterialListPrintout() { cvtest::BuildProject(doc_); }
  void Print(const std::string& text, int copies) {
    cv::PrintMaterialListJob(surface_, doc_, cv::PrintHeader{}, text, copies);
  }
  pugi::xml_document doc_;
  cvtest::RecordingSurface surface_;
};

TEST(SplitPrintLines, SplitsAtCrLfAndAtBareLineFeeds) {
  EXPECT_EQ(cv::SplitPrintLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(cv::SplitPrintLines("a\nb"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(cv::SplitPrintLines(""), (std::vector<std::string>{""}));
  EXPECT_EQ(cv::SplitPrintLines("a\rb"), (std::vector<std::string>{"a\rb"}));
}

TEST_F(MaterialListPrintout, PrintsEveryLineInCourierBelowTheTitle) {
  Print(kList, 1);
  const Drawn title = *surface_.FindText("Material List");
  std::vector<Drawn> lines;
  for (const Drawn& d : surface_.ItemsOf(Drawn::Kind::Text))
    if (d.fontName == "Courier New") lines.push_back(d);
  ASSERT_EQ(lines.size(), cv::SplitPrintLines(kList).size());
  EXPECT_EQ(lines[2].text, "15A CSST - 57 ft");
  EXPECT_EQ(lines[6].text, "1\" SCHEDULE 40    - 20 ft");
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_GT(lines[i].y, i ? lines[i - 1].y : title.y);
    EXPECT_EQ(lines[i].orientation, cv::PageOrientation::Portrait);
  }
}

TEST_F(MaterialListPrintout, LongListGoesOnOnTheNextPagesWithoutTheSettingsBlock) {
  std::string text;
  for (int i = 1; i <= 120; ++i) text += "line " + std::to_string(i) + "\r\n";
  Print(text, 1);
  ASSERT_GE(surface_.PagesIn(0), 3);
  const std::vector<std::string> printed = surface_.Texts();
  for (int i = 1; i <= 120; ++i)
    EXPECT_EQ(std::count(printed.begin(), printed.end(), "line " + std::to_string(i)), 1);
  for (const Drawn& d : surface_.ItemsOf(Drawn::Kind::Text))
    EXPECT_LE(d.y + cvtest::RecordingSurface::LineHeight(d.fontSize), 15120 - cv::kBottomMargin)
        << d.text;
  const Drawn next = *surface_.FindText(surface_.TextsOn(0, 1).front());
  EXPECT_EQ(next.y, cv::kContinuationTop + 30);
  EXPECT_EQ(next.fontName, "Courier New");
  const std::vector<std::string> page1 = surface_.TextsOn(0, 1);
  EXPECT_EQ(std::count(page1.begin(), page1.end(), "System Settings"), 0);
}

// A long project path breaks onto a second line instead of running off the
// right edge, and the title and the list move down below it.
TEST_F(MaterialListPrintout, LongHeadingLineStaysOnThePage) {
  cv::PrintHeader header;
  header.projectPath = "/home/ann/Documents/Gas Projects/Smith Residence on Lake Road/house.cv";
  cv::PrintMaterialListJob(surface_, doc_, header, kList, 1);
  const std::vector<Drawn> texts = surface_.ItemsOf(Drawn::Kind::Text);
  for (const Drawn& d : texts)
    EXPECT_LE(d.x + cvtest::RecordingSurface::CharWidth(d.fontSize) * d.text.size(), 11520)
        << d.text;
  ASSERT_EQ(texts[0].text, "System Settings");
  std::string project;
  size_t next = 1;
  for (; texts[next].text.rfind("Date: ", 0) != 0; ++next) project += texts[next].text;
  EXPECT_GT(next, 2u);
  EXPECT_EQ(project, cv::SettingsBlockLines(doc_, header)[0]);
  // Date, gas type and supply pressure, then the title and the list.
  ASSERT_EQ(texts.at(next + 3).text, "Material List");
  EXPECT_GE(texts[next + 3].y, texts[next + 2].y + cvtest::RecordingSurface::LineHeight(10));
  EXPECT_GT(texts.at(next + 4).y, texts[next + 3].y);
}

}  // namespace
