#include "sizing/size_coordination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/project_builder.h"

namespace {

// One run of a chain from the gas supply down.
struct Link {
  const char* size;
  bool fixed = false;
  const char* kind = "Tee";
  const char* material = "CORVANTA";
};

struct Case {
  const char* what;
  std::vector<Link> chain;  // the last run is the one being sized
  bool grew;
  std::vector<std::string> sizesAfter;
};

const char* const k50 = "50A CSST";
const Case kCases[] = {
    {"run grows below a bigger parent",
     {{"20A CSST"}, {"10A CSST"}},
     true,
     {"20A CSST", "15A CSST"}},
    {"equal parent grows first, the run starts again",
     {{"15A CSST"}, {"15A CSST"}},
     true,
     {"20A CSST", "10A CSST"}},
    {"carry climbs to the first run that may grow",
     {{"10A CSST"}, {k50}, {k50}},
     true,
     {"15A CSST", "10A CSST", "10A CSST"}},
    {"top run at its largest is emptied", {{k50}}, false, {""}},
    {"ancestor reached by a carry keeps its size", {{k50}, {k50}}, false, {k50, "10A CSST"}},
    {"regulator is never enlarged",
     {{"10A CSST", false, "Regulator"}, {"25A CSST"}},
     true,
     {"10A CSST", "32A CSST"}},
    {"regulator above a run at its largest",
     {{"10A CSST", false, "Regulator"}, {k50}},
     false,
     {"10A CSST", ""}},
    {"fixed run makes its parent grow",
     {{"20A CSST"}, {"10A CSST", true}},
     true,
     {"25A CSST", "10A CSST"}},
    {"fixed run below the supply keeps its size", {{"15A CSST", true}}, false, {"15A CSST"}},
    {"run outgrows a fixed parent",
     {{"10A CSST", true}, {"20A CSST"}},
     true,
     {"10A CSST", "25A CSST"}},
    // 2-1/2" pipe (0.04) already carries more than 50A tubing (0.12).
    {"run outgrows a parent at its largest",
     {{k50}, {"2-1/2\" SCHEDULE 40", false, "Tee", "Pipe"}},
     true,
     {k50, "3\" SCHEDULE 40"}},
    // The half-inch pipe (35.9) is not bigger than 20A tubing (35.82).
    {"parent without a size starts at its smallest",
     {{"", false, "Tee", "Pipe"}, {"20A CSST"}},
     true,
     {"3/4\" SCHEDULE 40", "10A CSST"}},
};

TEST(Coordination, OneStepForTheRunBeingSized) {
  for (const Case& c : kCases) {
    cvtest::TestProject project;
    pugi::xml_node run = project.Root();
    for (size_t i = 0; i < c.chain.size(); ++i) {
      const Link& l = c.chain[i];
      run = project.Add(run, {.id = std::to_string(i),
                              .appliance = l.kind,
                              .material = l.material,
                              .size = l.size,
                              .fixed = l.fixed});
    }
    cv::CalcContext ctx{project.State(), project.Root(), run};
    EXPECT_EQ(cv::CoordinateParentSize(run, ctx), c.grew) << c.what;
    std::vector<std::string> sizes;
    for (size_t i = 0; i < c.chain.size(); ++i) sizes.push_back(project.Size(std::to_string(i)));
    EXPECT_EQ(sizes, c.sizesAfter) << c.what;
  }
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
