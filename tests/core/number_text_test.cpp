#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/errors.h"
#include "support/raised_error.h"

namespace {

TEST(FormatNumber, WritesTheShortestTextOfOrdinaryValues) {
  EXPECT_EQ(cv::FormatNumber(7), "7");
  EXPECT_EQ(cv::FormatNumber(0.12), "0.12");
  EXPECT_EQ(cv::FormatNumber(-1.5), "-1.5");
  EXPECT_EQ(cv::FormatNumber(1200000), "1200000");
}

TEST(FormatNumber, KeepsAtMostFifteenSignificantDigits) {
  // Sums and products that miss their decimal value by one bit.
  EXPECT_EQ(cv::FormatNumber(0.1 + 0.2), "0.3");
  EXPECT_EQ(cv::FormatNumber(6.5000000000000002), "6.5");
  EXPECT_EQ(cv::FormatNumber(3.5 * 27.73), "97.055");
  EXPECT_EQ(cv::FormatNumber(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(cv::FormatNumber(7 / 0.402201), "17.4042332067797");
  EXPECT_EQ(cv::FormatNumber(123456789012345.6), "123456789012346");
  // Rounding to 15 digits may carry into a new leading digit.
  EXPECT_EQ(cv::FormatNumber(9.9999999999999999), "10");
  EXPECT_EQ(cv::FormatNumber(0.99999999999999999), "1");
}

TEST(FormatNumber, NeverWritesMinusZeroOrExponentsForQuantities) {
  EXPECT_EQ(cv::FormatNumber(-0.0), "0");
  EXPECT_EQ(cv::FormatNumber(0.00001), "0.00001");
  EXPECT_EQ(cv::FormatNumber(-0.000012), "-0.000012");
  EXPECT_EQ(cv::FormatNumber(99999999999999), "99999999999999");
}

TEST(FormatNumber, TextReadsBackAsTheSameRoundedValue) {
  for (double v : {0.41, 6.7, 13.82, 544.2, 1e-9, 55.46, 138.65, 4.026}) {
    auto back = cv::TryParseNumber(cv::FormatNumber(v));
    ASSERT_TRUE(back.has_value()) << v;
    EXPECT_EQ(*back, v);
  }
}

TEST(ParseNumber, AcceptsDecimalTextWithBlanksAround) {
  EXPECT_EQ(cv::ParseNumber("12.50"), 12.5);
  EXPECT_EQ(cv::ParseNumber("\t-0.5 "), -0.5);
  EXPECT_EQ(cv::ParseNumber("+3"), 3);
  EXPECT_EQ(cv::ParseNumber(".5"), 0.5);
  EXPECT_EQ(cv::ParseNumber("1e3"), 1000);
  EXPECT_EQ(cv::ParseNumber("7\n"), 7);  // a field that ends in a line break
  EXPECT_EQ(cv::ParseNumber("\r\n 7.5\t\r\n"), 7.5);
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
  // 0.125 and 0.375 are exact halves: they go to the even neighbour.
  EXPECT_EQ(cv::Round2(0.125), 0.12);
  EXPECT_EQ(cv::Round2(0.375), 0.38);
  EXPECT_EQ(cv::Round2(-0.125), -0.12);
  // 1.005 is stored just below the half, 0.025 just above it.
  EXPECT_EQ(cv::Round2(1.005), 1.0);
  EXPECT_EQ(cv::Round2(0.025), 0.03);
  EXPECT_EQ(cv::Round2(0.4083627), 0.41);
  EXPECT_EQ(cv::RoundHalfEven(10.5, 0), 10);
  EXPECT_EQ(cv::RoundHalfEven(11.5, 0), 12);
  EXPECT_EQ(cv::RoundHalfEven(10.4, 0), 10);
}

TEST(RoundHalfEven, GivesPlusZeroAndLeavesNonFiniteValues) {
  EXPECT_FALSE(std::signbit(cv::Round2(-0.001)));
  EXPECT_TRUE(std::isinf(cv::Round2(std::numeric_limits<double>::infinity())));
  EXPECT_EQ(cv::Round2(1e300), 1e300);
}

}  // namespace
