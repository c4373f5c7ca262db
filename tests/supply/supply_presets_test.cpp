#include "supply/supply_presets.h"

#include <gtest/gtest.h>

namespace {

// The preset values themselves are checked through the supply update.
TEST(SupplyPresets, CellsNoPresetFillsHoldZero) {
  EXPECT_EQ(cv::SupplyPresetDrop(0, 8, cv::kSupplyList), 0);
  EXPECT_EQ(cv::SupplyPresetDrop(2, 0, cv::kSupplyList), 0);
  EXPECT_EQ(cv::SupplyPresetDrop(0, -1, cv::kSupplyList), 0);
}

TEST(SupplyPresets, OnlyDropsAboveSixInchesAreHighPressure) {
  // 14 In WC with a drop of exactly 6 is checked through the supply update.
  EXPECT_TRUE(cv::IsHighPressurePreset(0, 5));
  EXPECT_FALSE(cv::IsHighPressurePreset(1, 2));
  EXPECT_FALSE(cv::IsHighPressurePreset(0, 6));
}

TEST(FindSupplyPreset, FindsTheFirstPresetWithExactlyThatDrop) {
  // Presets of both gases are also found when a project is loaded into the panel.
  EXPECT_EQ(cv::FindSupplyPreset("Propane", 3.5 * 27.73, cv::kSupplyList), 4);
  // Any name but "Propane" reads the natural-gas table.
  EXPECT_EQ(cv::FindSupplyPreset("Butane", 3, cv::kSupplyList), 2);
  EXPECT_EQ(cv::FindSupplyPreset("Natural Gas", 0.30000000000000004, cv::kSupplyList), -1);
}

}  // namespace
