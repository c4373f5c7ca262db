#include "sizing/units.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/number_text.h"
#include "support/raised_error.h"

namespace {

TEST(ConvertUnits, SameSystemGivesTheTextBackUnparsed) {
  EXPECT_EQ(cv::ConvertUnits("12.50", "Load", "English", "English"), "12.50");
  EXPECT_EQ(cv::ConvertUnits("not a number", "Load", "Metric", "Metric"), "not a number");
}

TEST(ConvertUnits, MetricTimesFactorIsEnglish) {
  EXPECT_EQ(cv::ConvertUnits("10", "Length", "Metric", "English"), "32.808399");
  EXPECT_EQ(cv::ConvertUnits("100", "Load", "English", "Metric"), "25.1995800439587");
  EXPECT_EQ(cv::ConvertUnits("7", "Pressure", "English", "Metric"), "17.4042332067797");
}

TEST(ConvertUnits, RoundTripIsNotRounded) {
  const std::string metric = cv::ConvertUnits("7", "Pressure", "English", "Metric");
  const std::string back = cv::ConvertUnits(metric, "Pressure", "Metric", "English");
  EXPECT_NEAR(cv::ParseNumber(back), 7, 1e-12);
}

TEST(ConvertUnits, UnknownNamesGiveEmptyTextAndBadValuesFail) {
  EXPECT_EQ(cv::ConvertUnits("1", "Load", "Imperial", "English"), "");
  EXPECT_EQ(cv::ConvertUnits("1", "Mass", "English", "Metric"), "");
  for (const char* value : {"", "abc", "1,5"}) {
    EXPECT_EQ(cvtest::RaisedNumber([&] { cv::ConvertUnits(value, "Length", "English", "Metric"); }),
              cv::kErrTypeMismatch);
  }
  EXPECT_EQ(cvtest::RaisedNumber([] { cv::ConvertUnits("1e308", "Load", "Metric", "English"); }),
            cv::kErrOverflow);
}

}  // namespace
