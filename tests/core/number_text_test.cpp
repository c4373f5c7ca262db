#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/errors.h"
#include "support/raised_error.h"

namespace {

TEST(FormatNumber, WritesTheShortestTextWithAtMostFifteenDigitsAndNoExponent) {
  // From the fifth: sums and products that miss their decimal value by one
  // bit, and rounding to 15 digits that carries into a new leading digit.
  const std::pair<double, const char*> cases[] = {{7, "7"},
                                                  {0.12, "0.12"},
                                                  {-1.5, "-1.5"},
                                                  {1200000, "1200000"},
                                                  {0.1 + 0.2, "0.3"},
                                                  {6.5000000000000002, "6.5"},
                                                  {3.5 * 27.73, "97.055"},
                                                  {1.0 / 3, "0.333333333333333"},
                                                  {7 / 0.402201, "17.4042332067797"},
                                                  {123456789012345.6, "123456789012346"},
                                                  {9.9999999999999999, "10"},
                                                  {0.99999999999999999, "1"},
                                                  {-0.0, "0"},
                                                  {0.00001, "0.00001"},
                                                  {-0.000012, "-0.000012"},
                                                  {99999999999999, "99999999999999"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(cv::FormatNumber(value), text) << text;
}

TEST(FormatNumber, TextReadsBackAsTheSameRoundedValue) {
  for (double v : {0.41, 6.7, 13.82, 544.2, 1e-9, 55.46, 138.65, 4.026}) {
    auto back = cv::TryParseNumber(cv::FormatNumber(v));
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_EQ(*back, v);
  }
}

TEST(ParseNumber, AcceptsDecimalTextWithBlanksAround) {
  // The last two: a field that ends in a line break.
  const std::pair<const char*, double> cases[] = {
      {"12.50", 12.5}, {"\t-0.5 ", -0.5},      {"+3", 3}, {".5", 0.5}, {"1e3", 1000},
      {"7\n", 7},      {"\r\n 7.5\t\r\n", 7.5}};
  for (const auto& [text, value] : cases) EXPECT_EQ(cv::ParseNumber(text), value) << text;
}

TEST(ParseNumber, RefusesTextThatIsNoNumber) {
  for (const char* text : {"", "   ", "abc", "1,5", "1.5.2", "12 kBTU", "inf", "nan", "0x10", "++1",
                           "+", "-", "1e", "1 2"}) {
    EXPECT_FALSE(cv::IsNumeric(text)) << '"' << text << '"';
  }
  auto e = cvtest::RaisedError([] { cv::ParseNumber("twelve"); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->number(), cv::kErrTypeMismatch);
  EXPECT_NE(e->description().find("twelve"), std::string::npos);
}

TEST(RoundHalfEven, DecidesOnTheExactBinaryValue) {
  // 0.125 and 0.375 are exact halves: they go to the even neighbour; 1.005
  // is stored just below the half, 0.025 just above it.
  const std::pair<double, double> twoDecimals[] = {{0.125, 0.12}, {0.375, 0.38}, {-0.125, -0.12},
                                                   {1.005, 1.0},  {0.025, 0.03}, {0.4083627, 0.41},
                                                   {1e300, 1e300}};
  for (const auto& [value, rounded] : twoDecimals) EXPECT_EQ(cv::Round2(value), rounded) << value;
  EXPECT_EQ(cv::RoundHalfEven(10.5, 0), 10);
  EXPECT_EQ(cv::RoundHalfEven(11.5, 0), 12);
  EXPECT_EQ(cv::RoundHalfEven(10.4, 0), 10);
  EXPECT_FALSE(std::signbit(cv::Round2(-0.001)));
  EXPECT_TRUE(std::isinf(cv::Round2(std::numeric_limits<double>::infinity())));
}

}  // namespace
