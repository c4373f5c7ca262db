// What keeps a network from being printed.
#include "reports/print_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "project/document.h"
#include "support/project_builder.h"

namespace {

TEST(PrintChecks, RefusedWhileARunHasNoSizeOrItsSizingFailed) {
  struct Case {
    std::string deepSize;  // "-": the run has no size field at all
    cv::RunStatus status;
    bool refused;
  };
  using enum cv::RunStatus;
  for (const Case& c :
       {Case{"15A CSST", Sized, false}, Case{"", Sized, true}, Case{"-", Sized, true},
        Case{"15A CSST", Failed, true}, Case{"15A CSST", NotReached, true},
        Case{"15A CSST", OutsideLimit, false}}) {
    cvtest::TestProject project;
    pugi::xml_node tee = project.Add(project.Root(), {.id = "1", .size = "20A CSST"});
    pugi::xml_node deep = project.Add(tee, {.id = "2", .size = c.deepSize});
    if (c.deepSize == "-") deep.remove_child("materialSize");
    cv::CalcResult result;
    result.runs.push_back({.id = "2", .status = c.status});
    EXPECT_EQ(cv::PrintRefused(project.Doc(), result), c.refused)
        << c.deepSize << " " << cv::RunStatusText(c.status);
  }
}

}  // namespace
