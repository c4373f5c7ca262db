// The help printout: word wrap between the margins, tab stops, line feeds,
// long words and page breaks.
#include "reports/print_wrapped_text.h"

#include <gtest/gtest.h>

#include "print/recording_surface.h"

namespace {

using cvtest::Drawn;

// At size 10 a character is 100 twips wide and a line 230 high; the
// portrait page is 11520 wide, so with margins of 1100 a line holds the
// space from x 1100 to 10420: 93 characters.
constexpr double kLine = 230;

class WrappedText : public ::testing::Test {
 protected:
  std::vector<Drawn> Print(const std::string& text) {
    surface_.SetCurrentY(2300);
    cv::PrintWrappedText(surface_, text, 1100, 1100);
    std::vector<Drawn> words;
    for (const Drawn& d : surface_.ItemsOf(Drawn::Kind::Text))
      if (d.text != " ") words.push_back(d);
    return words;
  }
  // Each word printed as "text x,y".
  std::vector<std::string> Placed(const std::string& text) {
    std::vector<std::string> placed;
    for (const Drawn& d : Print(text))
      placed.push_back(d.text + " " + std::to_string(static_cast<int>(d.x)) + "," +
                       std::to_string(static_cast<int>(d.y)));
    return placed;
  }
  cvtest::RecordingSurface surface_;
};

TEST(TabStops, LieEveryTenZeroWidthsFromTheLeftEdge) {
  EXPECT_EQ(cv::NextTabStop(0, 100), 1000);
  EXPECT_EQ(cv::NextTabStop(1100, 100), 2000);
  EXPECT_EQ(cv::NextTabStop(1960, 100), 3000) << "1960 rounds to 20 zero widths: a stop";
  EXPECT_EQ(cv::NextTabStop(1940, 100), 2000);
}

// The carriage return adds no line.
TEST_F(WrappedText, TabsAlignColumnsOnMultiplesOfTenZeroWidths) {
  EXPECT_EQ(
      Placed("a\tb\r\nlonger\tc\r\n"),
      (std::vector<std::string>{"a 1100,2300", "b 2000,2300", "longer 1100,2530", "c 2000,2530"}));
}

// 90 + blank + "abc" ends at 1100 + 94 chars: past 10420.
TEST_F(WrappedText, WrapsAWordThatWouldPassTheRightMargin) {
  const std::string fill(90, 'x');
  EXPECT_EQ(Placed(fill + " abc defg"),
            (std::vector<std::string>{fill + " 1100,2300", "abc 1100,2530", "defg 1500,2530"}));
}

// No empty line before the wide word.
TEST_F(WrappedText, WordWiderThanTheLineStandsAloneAndRunsPastTheMargin) {
  const std::string wide(120, 'w');
  EXPECT_EQ(Placed(wide + " next\nafter"),
            (std::vector<std::string>{wide + " 1100,2300", "next 1100,2530", "after 1100,2760"}));
}

TEST_F(WrappedText, KeepsUtf8LettersInsideTheirWords) {
  const std::vector<Drawn> words = Print(
      "Gr\xC3\xBC\xC3\x9F"
      "e und\x01mehr");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].text,
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  EXPECT_EQ(words[2].text, "mehr") << "another control character only separates";
}

TEST_F(WrappedText, BreaksThePageWhereLinesReachTheBottom) {
  std::string text;
  for (int i = 1; i <= 80; ++i) text += "line" + std::to_string(i) + "\r\n";
  const std::vector<Drawn> words = Print(text);
  ASSERT_EQ(words.size(), 80u);
  EXPECT_GE(surface_.PagesIn(0), 2);
  for (const Drawn& d : words) EXPECT_LE(d.y + kLine, 15120 - cv::kBottomMargin) << d.text;
  const auto next = std::find_if(words.begin(), words.end(), [](const Drawn& d) { return d.page; });
  ASSERT_NE(next, words.end());
  EXPECT_EQ(next->y, cv::kContinuationTop);
  EXPECT_EQ(next->x, 1100);
}

}  // namespace
