#include "sizing/size_coordination.h"

#include <gtest/gtest.h>

#include <string>

#include "support/project_builder.h"

namespace {

class Coordination : public ::testing::Test {
 protected:
  pugi::xml_node Add(pugi::xml_node parent, const std::string& id, const std::string& size,
                     bool fixed = false, const std::string& appliance = "Tee") {
    return project_.Add(parent, {.id = id, .appliance = appliance, .size = size, .fixed = fixed});
  }
  // One step for the run being sized.
  bool Step(pugi::xml_node node) {
    cv::CalcContext ctx{project_.State(), project_.Root(), node};
    return cv::CoordinateParentSize(node, ctx);
  }

  cvtest::TestProject project_;
};

TEST_F(Coordination, RunGrowsBelowABiggerParent) {
  pugi::xml_node parent = Add(project_.Root(), "P", "20A CSST");
  EXPECT_TRUE(Step(Add(parent, "N", "10A CSST")));
  EXPECT_EQ(project_.Size("N"), "15A CSST");
  EXPECT_EQ(project_.Size("P"), "20A CSST");
}

TEST_F(Coordination, EqualParentGrowsFirstAndTheRunStartsAgain) {
  pugi::xml_node parent = Add(project_.Root(), "P", "15A CSST");
  EXPECT_TRUE(Step(Add(parent, "N", "15A CSST")));
  EXPECT_EQ(project_.Size("P"), "20A CSST");
  EXPECT_EQ(project_.Size("N"), "10A CSST");
}

TEST_F(Coordination, CarryClimbsToTheFirstRunThatMayGrow) {
  pugi::xml_node a = Add(project_.Root(), "A", "10A CSST");
  pugi::xml_node b = Add(a, "B", "50A CSST");
  EXPECT_TRUE(Step(Add(b, "C", "50A CSST")));
  EXPECT_EQ(project_.Size("A"), "15A CSST");
  EXPECT_EQ(project_.Size("B"), "10A CSST");
  EXPECT_EQ(project_.Size("C"), "10A CSST");
}

TEST_F(Coordination, TopRunAtItsLargestSizeEndsTheClimb) {
  // The run being sized is emptied for its caller to repair ...
  pugi::xml_node top = Add(project_.Root(), "A", "50A CSST");
  EXPECT_FALSE(Step(top));
  EXPECT_EQ(project_.Size("A"), "");

  // ... but an ancestor reached by a carry keeps its size.
  pugi::xml_node a = Add(project_.Root(), "A2", "50A CSST");
  EXPECT_FALSE(Step(Add(a, "B2", "50A CSST")));
  EXPECT_EQ(project_.Size("A2"), "50A CSST");
  EXPECT_EQ(project_.Size("B2"), "10A CSST");
}

TEST_F(Coordination, RegulatorIsNeverEnlargedForItsRuns) {
  pugi::xml_node reg = Add(project_.Root(), "R", "10A CSST", false, "Regulator");
  EXPECT_TRUE(Step(Add(reg, "N", "25A CSST")));
  EXPECT_EQ(project_.Size("N"), "32A CSST");
  EXPECT_FALSE(Step(Add(reg, "M", "50A CSST")));
  EXPECT_EQ(project_.Size("R"), "10A CSST");
}

TEST_F(Coordination, FixedRunMakesItsParentGrow) {
  pugi::xml_node parent = Add(project_.Root(), "P", "20A CSST");
  EXPECT_TRUE(Step(Add(parent, "N", "10A CSST", true)));
  EXPECT_EQ(project_.Size("N"), "10A CSST");
  EXPECT_EQ(project_.Size("P"), "25A CSST");
}

TEST_F(Coordination, FixedRunBelowTheSupplyKeepsItsSizeWhenNothingCanGrow) {
  EXPECT_FALSE(Step(Add(project_.Root(), "N", "15A CSST", true)));
  EXPECT_EQ(project_.Size("N"), "15A CSST");
}

TEST_F(Coordination, ParentAtMaximumOrFixedLetsTheRunOutgrowIt) {
  pugi::xml_node fixedParent = Add(project_.Root(), "P", "10A CSST", true);
  EXPECT_TRUE(Step(Add(fixedParent, "N", "20A CSST")));
  EXPECT_EQ(project_.Size("N"), "25A CSST");
  EXPECT_EQ(project_.Size("P"), "10A CSST");

  // 2-1/2" pipe (0.04) already carries more than 50A tubing (0.12).
  pugi::xml_node maxParent = Add(project_.Root(), "Q", "50A CSST");
  pugi::xml_node pipe =
      project_.Add(maxParent, {.id = "M", .material = "Pipe", .size = "2-1/2\" SCHEDULE 40"});
  EXPECT_TRUE(Step(pipe));
  EXPECT_EQ(project_.Size("M"), "3\" SCHEDULE 40");
}

TEST_F(Coordination, ParentWithoutSizeStartsAtItsSmallest) {
  pugi::xml_node parent =
      project_.Add(project_.Root(), {.id = "P", .appliance = "Tee", .material = "Pipe"});
  // The half-inch pipe (35.9) is not bigger than 20A tubing (35.82).
  EXPECT_TRUE(Step(Add(parent, "N", "20A CSST")));
  EXPECT_EQ(project_.Size("P"), "3/4\" SCHEDULE 40");
  EXPECT_EQ(project_.Size("N"), "10A CSST");
}

TEST(ParentHasHigherCapacity, ComparesRoundedDropsAcrossMaterials) {
  const char* ng = "Natural Gas";
  EXPECT_TRUE(cv::ParentHasHigherCapacity("25A CSST", "CORVANTA", "1\" SCHEDULE 40", "Pipe", ng));
  EXPECT_TRUE(cv::ParentHasHigherCapacity("1/2\" SCHEDULE 40", "Pipe", "20A CSST", "CORVANTA", ng));
  EXPECT_FALSE(
      cv::ParentHasHigherCapacity("20A CSST", "CORVANTA", "1/2\" SCHEDULE 40", "Pipe", ng));
  EXPECT_FALSE(cv::ParentHasHigherCapacity("20A CSST", "CORVANTA", "20A CSST", "CORVANTA", ng));
  // Propane 3" and 3-1/2" pipe both drop 0.01 on the reference run: equal.
  EXPECT_FALSE(cv::ParentHasHigherCapacity("3\" SCHEDULE 40", "Pipe", "3-1/2\" SCHEDULE 40", "Pipe",
                                           "Propane"));
  EXPECT_TRUE(
      cv::ParentHasHigherCapacity("3\" SCHEDULE 40", "Pipe", "3-1/2\" SCHEDULE 40", "Pipe", ng));
}

}  // namespace
