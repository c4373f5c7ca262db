// What keeps a network from being printed.
#include "reports/print_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "project/document.h"
#include "support/project_builder.h"

namespace {

// The printouts that mark the runs not sized print a network whose sizing
// failed; all refuse a run without a size.
TEST(PrintChecks, RefusedWhileARunHasNoSizeOrItsSizingFailed) {
  struct Case {
    std::string deepSize;  // "-": the run has no size field at all
    cv::RunStatus status;
    bool refused;
    bool refusedWhereMarked;
  };
  using enum cv::RunStatus;
  for (const Case& c :
       {Case{"15A CSST", Sized, false, false}, Case{"", Sized, true, true},
        Case{"-", Sized, true, true}, Case{"15A CSST", Failed, true, false},
        Case{"15A CSST", NotReached, true, false}, Case{"15A CSST", OutsideLimit, false, false}}) {
    cvtest::TestProject project;
    pugi::xml_node tee = project.Add(project.Root(), {.id = "1", .size = "20A CSST"});
    pugi::xml_node deep = project.Add(tee, {.id = "2", .size = c.deepSize});
    if (c.deepSize == "-") deep.remove_child("materialSize");
    cv::CalcResult result;
    result.runs.push_back({.id = "2", .status = c.status});
    SCOPED_TRACE(c.deepSize + " " + std::string(cv::RunStatusText(c.status)));
    EXPECT_EQ(cv::PrintRefused(project.Doc(), result, false), c.refused);
    EXPECT_EQ(cv::PrintRefused(project.Doc(), result, true), c.refusedWhereMarked);
  }
}

}  // namespace
