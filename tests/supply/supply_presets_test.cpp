#include "supply/supply_presets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SupplyPresets, ListsHoldTheTextsInPresetOrder) {
  const auto& natural = cv::SupplyPresets(0, cv::kSupplyList);
  ASSERT_EQ(natural.size(), 6u);
  EXPECT_STREQ(natural[1].text, "7-8 In WC Supply - .5 In WC Overall Pressure Drop  [Standard]");
  EXPECT_STREQ(natural[5].text, "5 PSI WC Supply - 3.5 PSI WC Overall Pressure Drop");
  const auto& propane = cv::SupplyPresets(1, cv::kSupplyList);
  ASSERT_EQ(propane.size(), 5u);
  // Position 1 is what choosing propane preselects.
  EXPECT_STREQ(propane[1].text, "11-13 In WC Supply - 3 In WC Overall Pressure Drop");
  EXPECT_STREQ(cv::SupplyPresets(1, cv::kInternalList)[0].text,
               "11-13 In WC Supply - .5 In WC Overall Pressure Drop");
  EXPECT_TRUE(cv::SupplyPresets(2, cv::kSupplyList).empty());
  EXPECT_TRUE(cv::SupplyPresets(0, 2).empty());
}

// The preset values themselves are checked through the supply update.
TEST(SupplyPresets, CellsNoPresetFillsHoldZero) {
  EXPECT_EQ(cv::SupplyPresetDrop(0, 8, cv::kSupplyList), 0);
  EXPECT_EQ(cv::SupplyPresetDrop(2, 0, cv::kSupplyList), 0);
  EXPECT_EQ(cv::SupplyPresetDrop(0, -1, cv::kSupplyList), 0);
}

TEST(SupplyPresets, OnlyDropsAboveSixInchesAreHighPressure) {
  EXPECT_FALSE(cv::IsHighPressurePreset(0, 3));  // 14 In WC, drop exactly 6
  EXPECT_TRUE(cv::IsHighPressurePreset(0, 4));
  EXPECT_TRUE(cv::IsHighPressurePreset(0, 5));
  EXPECT_FALSE(cv::IsHighPressurePreset(1, 2));
  EXPECT_TRUE(cv::IsHighPressurePreset(1, 3));
  EXPECT_FALSE(cv::IsHighPressurePreset(0, 6));
}

TEST(FindSupplyPreset, FindsTheFirstPresetWithExactlyThatDrop) {
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 0.5, cv::kSupplyList), 1);
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 27.73, cv::kSupplyList), 4);
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 3, cv::kInternalList), 0);
  EXPECT_EQ(cv::FindSupplyPreset("Propane", 27.73, cv::kSupplyList), 3);
  EXPECT_EQ(cv::FindSupplyPreset("Propane", 3.5 * 27.73, cv::kSupplyList), 4);
  // Any name but "Propane" reads the natural-gas table.
  EXPECT_EQ(cv::FindSupplyPreset("Butane", 3, cv::kSupplyList), 2);
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 0.4, cv::kSupplyList), -1);
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 0.30000000000000004, cv::kSupplyList), -1);
}

}  // namespace
