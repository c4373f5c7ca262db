// What keeps a network from being printed.
#include "reports/print_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "project/document.h"
#include "support/project_builder.h"

namespace {

TEST(PrintChecks, RefusedWhileARunHasNoSizeOrTheResultCountsOneNotSized) {
  struct Case {
    std::string deepSize;  // "-": the run has no size field at all
    bool sizingFailed;
    bool refused;
  };
  for (const Case& c : {Case{"15A CSST", false, false}, Case{"", false, true},
                        Case{"-", false, true}, Case{"15A CSST", true, true}}) {
    cvtest::TestProject project;
    pugi::xml_node tee = project.Add(project.Root(), {.id = "1", .size = "20A CSST"});
    pugi::xml_node deep = project.Add(tee, {.id = "2", .size = c.deepSize});
    if (c.deepSize == "-") deep.remove_child("materialSize");
    cv::CalcResult result;
    result.runs.push_back(
        {.id = "2", .status = c.sizingFailed ? cv::RunStatus::NotReached : cv::RunStatus::Sized});
    EXPECT_EQ(cv::PrintRefused(project.Doc(), result), c.refused)
        << c.deepSize << " " << c.sizingFailed;
  }
}

}  // namespace
