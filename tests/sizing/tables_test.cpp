#include "sizing/tables.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "support/raised_error.h"

namespace {

TEST(SizeTables, UnknownMaterialHasNoSizes) {
  EXPECT_EQ(cv::SizeIndexOf("10A CSST", "Copper"), -1);
  EXPECT_EQ(cv::SizeNameAt(0, "Copper"), "");
  EXPECT_FALSE(cv::IsSizeIndexInRange(0, "Copper"));
}

TEST(SizeTables, RangeEndsAtTheLargestSize) {
  EXPECT_TRUE(cv::IsSizeIndexInRange(6, "CORVANTA"));
  EXPECT_FALSE(cv::IsSizeIndexInRange(7, "CORVANTA"));
  EXPECT_TRUE(cv::IsSizeIndexInRange(9, "Pipe"));
  EXPECT_FALSE(cv::IsSizeIndexInRange(10, "Pipe"));
  EXPECT_EQ(cv::SizeNameAt(6, "CORVANTA"), "50A CSST");
  for (int bad : {-1, 7})
    EXPECT_EQ(cvtest::RaisedNumber([&] { cv::SizeNameAt(bad, "CORVANTA"); }), cv::kErrOutOfRange);
}

}  // namespace
