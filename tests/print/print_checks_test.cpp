// What keeps a network from being printed, and the failure text of a job.
#include "reports/print_checks.h"

#include <gtest/gtest.h>

#include "project/document.h"
#include "support/project_builder.h"

namespace {

TEST(PrintChecks, AnyRunWithoutASizeRefusesPrinting) {
  cvtest::TestProject project;
  cvtest::Run sized{"1"};
  sized.size = "15A CSST";
  pugi::xml_node tee = project.Add(project.Root(), sized);
  EXPECT_FALSE(cv::HasUnsizedNode(project.Doc()));
  EXPECT_FALSE(cv::PrintRefused(project.Doc(), project.State()));

  project.Add(tee, cvtest::Run{"2"});  // deep below, no size
  EXPECT_TRUE(cv::HasUnsizedNode(project.Doc()));
  EXPECT_TRUE(cv::PrintRefused(project.Doc(), project.State()));
}

TEST(PrintChecks, NodeWithoutASizeFieldCountsAsUnsized) {
  cvtest::TestProject project;
  cvtest::Run run{"1"};
  run.size = "10A CSST";
  project.Add(project.Root(), run).remove_child("materialSize");
  EXPECT_TRUE(cv::HasUnsizedNode(project.Doc()));
}

TEST(PrintChecks, FailedSizingRefusesPrintingThoughEveryRunHasASize) {
  // One appliance far too large for the longest run of the largest tubing.
  cvtest::TestProject project;
  cvtest::Run run{"1"};
  run.appliance = "Furnace";
  run.load = "5000";
  run.length = "900";
  project.Add(project.Root(), run);
  project.Calculate();
  ASSERT_FALSE(cv::HasUnsizedNode(project.Doc()));
  ASSERT_TRUE(project.State().LastSizingFailed);
  EXPECT_TRUE(cv::PrintRefused(project.Doc(), project.State()));

  cv::SetFieldText(project.Node("1"), "load", "10");
  project.Calculate();
  EXPECT_FALSE(cv::PrintRefused(project.Doc(), project.State()));
}

}  // namespace
