// The trace of a calculation, line for line as the people who support the
// program know it, and the trip-flow copy it saves beside the project.
#include <gtest/gtest.h>

#include <string>

#include "project/document.h"
#include "sizing/calc_result.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

struct Traced {
  const char* example;
  bool tripCopy;  // the network holds an EFV
};

TEST(TracedExamples, WriteTheKeptTraceAndTripCopy) {
  // An EFV network (both passes and the merge), a dual system, and one
  // whose main cannot be sized.
  const Traced cases[] = {
      {"efv_branches", true}, {"dual_pressure_2psi", false}, {"undersized_main", false}};
  for (const Traced& c : cases) {
    cvtest::TempDir dir;
    cvtest::TestProject project;
    project.State().EFVCollection.Load(cvtest::ProgramCatalogPath());
    ASSERT_TRUE(
        cv::LoadDocumentFile(project.Doc(), cvtest::ExamplesDir() + "/" + c.example + ".cv"));
    project.State().DebugMode = true;
    // A trace that did not exist starts without the dated header line.
    project.State().Log.SetPath(dir.File("trace.txt"));
    project.State().ProjectPath = dir.File("p.cv");
    project.Calculate();
    const std::string kept = cvtest::TestDataDir() + "/traces/" + c.example;
    EXPECT_EQ(cvtest::ReadFile(dir.File("trace.txt")), cvtest::ReadFile(kept + ".trace.txt"))
        << c.example;
    EXPECT_EQ(cvtest::ReadOptionalFile(dir.File("p_Trip.xml")),
              c.tripCopy ? cvtest::ReadFile(kept + "_Trip.xml") : "")
        << c.example;
  }
}

}  // namespace
