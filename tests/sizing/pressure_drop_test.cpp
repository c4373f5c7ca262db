#include "sizing/pressure_drop.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "sizing/tables.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

double Law(double load, double length, const char* material, std::string_view size,
           const char* gas = "Natural Gas") {
  return cv::Round2(cv::LawPressureDrop(load, length, material, size, gas));
}

TEST(PressureDropLaw, PropaneTubingAndPipeEachHaveTheirOwnDivisor) {
  // Cases where the other material's divisor rounds to another drop.
  EXPECT_EQ(Law(40, 50, "CORVANTA", "10A CSST", "Propane"), 0.84);
  EXPECT_EQ(Law(100, 10, "Pipe", "1/2\" SCHEDULE 40", "Propane"), 0.17);
}

TEST(PressureDropLaw, OnlyThe32ASizeDividesItsLoad) {
  EXPECT_EQ(Law(200, 50, "CORVANTA", "32A CSST"), 0.24);
  EXPECT_EQ(Law(200 * 0.800312012, 50, "CORVANTA", "32A CSST"), 0.15);
  EXPECT_EQ(Law(200, 50, "CORVANTA", "38A CSST"), 0.04);
}

TEST(PressureDropLaw, ReferenceRunDropsOfEverySize) {
  // 500 kBTU/h over 100 ft of natural gas: the capacity scale of upsizing.
  const std::array<double, 7> tubing = {544.2, 141.14, 35.82, 11.2, 3.15, 0.56, 0.12};
  const std::array<double, 10> pipe = {35.9, 9.18, 2.85, 0.75, 0.36, 0.11, 0.04, 0.02, 0.01, 0.0};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Law(500, 100, "CORVANTA", cv::kCsstSizes[i]), tubing[i]);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Law(500, 100, "Pipe", cv::kPipeSizes[i]), pipe[i]);
}

TEST(PressureDropLaw, NothingToCarryOrNothingKnownGivesNoDrop) {
  EXPECT_EQ(cv::LawPressureDrop(0, 100, "CORVANTA", "10A CSST", "Natural Gas"), 0);
  EXPECT_EQ(cv::LawPressureDrop(0, 100, "Pipe", "1/2\" SCHEDULE 40", "Propane"), 0);
  // Unknown gas or material: no drop, and the size is not even looked at.
  EXPECT_EQ(cv::LawPressureDrop(50, 10, "CORVANTA", "", "Butane"), 0);
  EXPECT_EQ(cv::LawPressureDrop(50, 10, "Copper", "", "Natural Gas"), 0);
}

TEST(PressureDropLaw, ImpossibleInputsFail) {
  EXPECT_EQ(
      cvtest::RaisedNumber([] { cv::LawPressureDrop(10, 10, "CORVANTA", "", "Natural Gas"); }),
      cv::kErrOutOfRange);
  EXPECT_EQ(
      cvtest::RaisedNumber([] { cv::LawPressureDrop(10, 10, "Pipe", "10A CSST", "Propane"); }),
      cv::kErrOutOfRange);
  EXPECT_EQ(cvtest::RaisedNumber(
                [] { cv::LawPressureDrop(-10, 10, "CORVANTA", "10A CSST", "Natural Gas"); }),
            cv::kErrInvalidArgument);
  EXPECT_EQ(cvtest::RaisedNumber(
                [] { cv::LawPressureDrop(1e200, 10, "Pipe", "1\" SCHEDULE 40", "Natural Gas"); }),
            cv::kErrOverflow);
}

// A project whose runs get exact drops from drop-only EFV models.
class PressureWalk : public ::testing::Test {
 protected:
  PressureWalk() {
    for (auto [id, drop] : {std::pair{"D20", 0.2}, {"D25", 0.25}, {"D30", 0.3}})
      cvtest::AddDropModel(project_.State(), id, drop, drop * 10);
  }
  // A run with the exact drop of the model (load 0).
  pugi::xml_node Drop(pugi::xml_node parent, const std::string& id, const std::string& model) {
    return project_.Add(parent, {.id = id, .appliance = "EFV", .size = "10A CSST", .model = model});
  }
  cv::CalcContext Context() { return {project_.State().EFVCollection, project_.Root()}; }
  std::array<std::string, 3> Pressures(const std::string& id) {
    return {project_.Text(id, "SupplyPressure"), project_.Text(id, "PressureDrop"),
            project_.Text(id, "DeliveredPressure")};
  }
  using P = std::array<std::string, 3>;

  cvtest::TestProject project_;
};

TEST_F(PressureWalk, PathIsRewrittenFromTheSourceDown) {
  pugi::xml_node a = Drop(project_.Root(), "A", "D30");
  Drop(a, "B", "D20");
  cv::SetFieldText(a, "DeliveredPressure", "99");  // stale
  EXPECT_EQ(cv::PressureDropToSource(project_.Node("B"), false, Context()), 0.5);
  EXPECT_EQ(Pressures("A"), (P{"7", "0.3", "6.7"}));
  EXPECT_EQ(Pressures("B"), (P{"6.7", "0.2", "6.5"}));
}

TEST_F(PressureWalk, SegmentOnlyWritesNothingAndAgreesWithTheWalk) {
  pugi::xml_node a = Drop(project_.Root(), "A", "D30");
  Drop(a, "B", "D25");
  const double segment = cv::PressureDropToSource(project_.Node("B"), true, Context());
  EXPECT_EQ(segment, 0.25);
  EXPECT_EQ(Pressures("A"), (P{"0", "0", "0"}));
  EXPECT_EQ(Pressures("B"), (P{"0", "0", "0"}));
  cv::PressureDropToSource(project_.Node("B"), false, Context());
  EXPECT_EQ(project_.Text("B", "PressureDrop"), cv::FormatNumber(segment));
}

TEST_F(PressureWalk, SingleSystemRunBelowARegulatorStartsFromTheLowPressure) {
  pugi::xml_node reg = project_.Add(project_.Root(), {.id = "R", .appliance = "Regulator"});
  Drop(reg, "1", "D30");
  cv::SetFieldText(reg, "DeliveredPressure", "-1");
  EXPECT_EQ(cv::PressureDropToSource(project_.Node("1"), false, Context()), 0.3);
  EXPECT_EQ(Pressures("1"), (P{"7", "0.3", "6.7"}));
  // The walk ends at the regulator.
  EXPECT_EQ(project_.Text("R", "DeliveredPressure"), "-1");
}

TEST_F(PressureWalk, UnknownSizeOrModelFailsWithoutWriting) {
  pugi::xml_node run = project_.Add(
      project_.Root(), {.id = "1", .appliance = "Range", .load = "10", .size = "99A CSST"});
  EXPECT_THROW(cv::PressureDropToSource(run, false, Context()), cv::CvError);
  cv::SetFieldText(run, "materialSize", "10A CSST");
  cv::SetFieldText(run, "load", "ten");
  EXPECT_THROW(cv::PressureDropToSource(run, false, Context()), cv::CvError);
  Drop(project_.Root(), "2", "NO-SUCH-MODEL");
  EXPECT_THROW(cv::PressureDropToSource(project_.Node("2"), false, Context()), cv::CvError);
  EXPECT_EQ(Pressures("1"), (P{"0", "0", "0"}));
  EXPECT_EQ(Pressures("2"), (P{"0", "0", "0"}));
}

TEST_F(PressureWalk, UnknownMaterialStillAddsTheValveDrop) {
  pugi::xml_node run = Drop(project_.Root(), "1", "D20");
  cv::SetFieldText(run, "material", "Copper");
  cv::SetFieldText(run, "materialSize", "");
  cv::SetFieldText(run, "load", "500");
  EXPECT_EQ(cv::PressureDropToSource(run, true, Context()), 0.2);
}

}  // namespace
