// The status of every run after a calculation: the run a pass stopped at,
// the runs it never reached, and a run pushed outside its limit by a later
// sizing. Both ways of calculating (the model, and the traced steps on the
// document) must give the same statuses, and so must the result read again
// from the document, as an undo step does.
#include "sizing/calc_result.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "project/document.h"
#include "project/project_state.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

using cv::RunStatus;

void LoadHouse(cvtest::TestProject& project, bool rangeFixedAt10A) {
  ASSERT_TRUE(cv::LoadDocumentFile(project.Doc(), cvtest::ExamplesDir() + "/house.cv"));
  if (!rangeFixedAt10A) return;
  cv::SetFieldText(project.Node("1222"), "materialSize", "10A CSST");
  cv::SetFieldText(project.Node("1222"), "materialSizeFixed", "1");
}

// The kiln cannot be sized: its failed search leaves the branch tee at its
// smallest size, below what the furnace, sized first, needed.
void BuildKilnBranch(cvtest::TestProject& project) {
  pugi::xml_node main = project.Add(project.Root(), {.id = "1", .appliance = "Tee"});
  pugi::xml_node branch = project.Add(main, {.id = "2", .appliance = "Tee"});
  project.Add(branch, {.id = "3", .appliance = "Furnace", .load = "100", .length = "30"});
  project.Add(branch, {.id = "4", .load = "50", .length = "100000"});
}

struct StatusCase {
  const char* name;
  std::function<void(cvtest::TestProject&)> build;
  std::map<std::string, RunStatus> notSized;  // every other run is sized
};

TEST(CalcResult, EveryRunGetsItsStatusWhicheverWayItIsCalculated) {
  const StatusCase cases[] = {
      {"house", [](auto& p) { LoadHouse(p, false); }, {}},
      {"range fixed at 10A",
       [](auto& p) { LoadHouse(p, true); },
       {{"1222", RunStatus::Failed},
        {"1215", RunStatus::NotReached},
        {"1229", RunStatus::NotReached},
        {"1236", RunStatus::NotReached},
        {"1250", RunStatus::NotReached},
        {"1257", RunStatus::NotReached}}},
      {"kiln branch", BuildKilnBranch, {{"3", RunStatus::OutsideLimit}, {"4", RunStatus::Failed}}},
  };
  for (const StatusCase& c : cases)
    for (const bool traced : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (traced ? ", traced" : ""));
      cvtest::TempDir dir;
      cvtest::TestProject project;
      c.build(project);
      project.State().DebugMode = traced;
      project.State().Log.SetPath(dir.File("trace.txt"));
      const cv::CalcResult result = project.Calculate();
      const cv::CalcResult reread =
          cv::ReadCalcResult(project.Doc(), cv::IsDualSystem(project.Doc()), result.failures);
      ASSERT_EQ(result.runs.size(), reread.runs.size());
      for (size_t i = 0; i < result.runs.size(); ++i) {
        const cv::RunResult& run = result.runs[i];
        const auto want = c.notSized.find(run.id);
        EXPECT_EQ(run.status, want == c.notSized.end() ? RunStatus::Sized : want->second) << run.id;
        EXPECT_EQ(reread.runs[i].status, run.status) << run.id;
        EXPECT_EQ(reread.runs[i].message, run.message) << run.id;
      }
      EXPECT_EQ(result.UnsizedCount(), c.notSized.size());
    }
}

}  // namespace
