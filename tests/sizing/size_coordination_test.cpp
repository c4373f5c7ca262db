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

const char *const k10 = "10A CSST", *const k15 = "15A CSST", *const k20 = "20A CSST",
                  *const k25 = "25A CSST", *const k32 = "32A CSST", *const k50 = "50A CSST";
const Case kCases[] = {
    {"run grows below a bigger parent", {{k20}, {k10}}, true, {k20, k15}},
    {"equal parent grows first, the run starts again", {{k15}, {k15}}, true, {k20, k10}},
    {"carry climbs to the first run that may grow", {{k10}, {k50}, {k50}}, true, {k15, k10, k10}},
    {"top run at its largest is emptied", {{k50}}, false, {""}},
    {"ancestor reached by a carry keeps its size", {{k50}, {k50}}, false, {k50, k10}},
    {"regulator is never enlarged", {{k10, false, "Regulator"}, {k25}}, true, {k10, k32}},
    {"regulator above a run at its largest", {{k10, false, "Regulator"}, {k50}}, false, {k10, ""}},
    {"fixed run makes its parent grow", {{k20}, {k10, true}}, true, {k25, k10}},
    {"fixed run below the supply keeps its size", {{k15, true}}, false, {k15}},
    {"run outgrows a fixed parent", {{k10, true}, {k20}}, true, {k10, k25}},
    // 2-1/2" pipe (0.04) already carries more than 50A tubing (0.12).
    {"run outgrows a parent at its largest",
     {{k50}, {"2-1/2\" SCHEDULE 40", false, "Tee", "Pipe"}},
     true,
     {k50, "3\" SCHEDULE 40"}},
    // The half-inch pipe (35.9) is not bigger than 20A tubing (35.82).
    {"parent without a size starts at its smallest",
     {{"", false, "Tee", "Pipe"}, {k20}},
     true,
     {"3/4\" SCHEDULE 40", k10}},
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

// Equal capacities are among the coordination cases.
TEST(ParentHasHigherCapacity, ComparesRoundedDropsAcrossMaterialsAndGases) {
  const char* ng = "Natural Gas";
  EXPECT_TRUE(cv::ParentHasHigherCapacity("25A CSST", "CORVANTA", "1\" SCHEDULE 40", "Pipe", ng));
  EXPECT_TRUE(cv::ParentHasHigherCapacity("1/2\" SCHEDULE 40", "Pipe", "20A CSST", "CORVANTA", ng));
  // Propane 3" and 3-1/2" pipe both drop 0.01 on the reference run: equal.
  EXPECT_FALSE(cv::ParentHasHigherCapacity("3\" SCHEDULE 40", "Pipe", "3-1/2\" SCHEDULE 40", "Pipe",
                                           "Propane"));
  EXPECT_TRUE(
      cv::ParentHasHigherCapacity("3\" SCHEDULE 40", "Pipe", "3-1/2\" SCHEDULE 40", "Pipe", ng));
}

}  // namespace
