#include "sizing/run_sizing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "project/document.h"
#include "project/project_state.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

// Runs whose drops are fixed by drop-only EFV models, so each test chooses
// the exact cumulative drop; growing such a run never helps.
class RunSizing : public ::testing::Test {
 protected:
  RunSizing() { project_.emplace(); }
  void Use(const cvtest::SupplySettings& settings) { project_.emplace(settings); }
  pugi::xml_node Valve(pugi::xml_node parent, const std::string& id, double drop,
                       double tripDrop = 0) {
    const std::string model = "M" + id;
    cvtest::AddDropModel(project_->State(), model, drop, tripDrop);
    return project_->Add(parent,
                         {.id = id, .appliance = "EFV", .size = "10A CSST", .model = model});
  }
  bool Size(pugi::xml_node node) {
    cv::DeriveStateFromDocument(project_->Doc(), project_->State());
    cv::CalcContext ctx{project_->State(), project_->Root(), {}};
    return cv::SizeRunByMethod(node, ctx);
  }
  std::string Trace() { return cvtest::ReadOptionalFile(dir_.File("trace.txt")); }
  void TraceOn() {
    project_->State().DebugMode = true;
    project_->State().Log.SetPath(dir_.File("trace.txt"));
  }

  cvtest::TempDir dir_;
  std::optional<cvtest::TestProject> project_;
};

TEST_F(RunSizing, RunWithoutLengthIsNeitherTestedNorResized) {
  TraceOn();
  pugi::xml_node run = Valve(project_->Root(), "1", 9);
  cv::SetFieldText(run, "length", "0");
  EXPECT_TRUE(Size(run));
  EXPECT_EQ(project_->Size("1"), "10A CSST");
  EXPECT_EQ(project_->Text("1", "DeliveredPressure"), "0");
  EXPECT_EQ(Trace().find("Initial"), std::string::npos);
  EXPECT_TRUE(project_->Messages().Shown().empty());
}

TEST_F(RunSizing, RunThatPassesAtOnceIsLeftAlone) {
  TraceOn();
  pugi::xml_node run = Valve(project_->Root(), "1", 0.3);
  EXPECT_TRUE(Size(run));
  EXPECT_EQ(project_->Size("1"), "10A CSST");
  const std::string trace = Trace();
  EXPECT_EQ(trace.find("too high"), std::string::npos);
  EXPECT_NE(trace.find("Node: EFV 1 - Finished with valid pressure drop to source = 0.3\r\n"),
            std::string::npos)
      << trace;
  EXPECT_NE(trace.find("Node: EFV 1 - Finished with valid Delivery Pressure = 6.7\r\n"),
            std::string::npos);
}

TEST_F(RunSizing, EqualityPassesAfterRoundingHalvesToEven) {
  cvtest::SupplySettings s;
  s.lowAllowableDrop = "0.375";  // limit 0.38
  Use(s);
  EXPECT_TRUE(Size(Valve(project_->Root(), "1", 0.38)));
  EXPECT_TRUE(project_->Messages().Shown().empty());

  s.lowAllowableDrop = "0.125";  // limit 0.12, not 0.13
  Use(s);
  EXPECT_TRUE(Size(Valve(project_->Root(), "2", 0.12)));
  EXPECT_FALSE(Size(Valve(project_->Root(), "3", 0.13)));
}

TEST_F(RunSizing, FailedRunFallsBackToItsSmallestSizeUnlessItGrewOrIsFixed) {
  struct Case {
    const char* material;
    const char* size;
    bool fixed;
    const char* after;
  };
  const Case cases[] = {
      {"CORVANTA", "50A CSST", false, "10A CSST"},  // nothing could grow
      {"Pipe", "4\" SCHEDULE 40", false, "1/2\" SCHEDULE 40"},
      {"CORVANTA", "10A CSST", false, "50A CSST"},  // the last size reached
      {"CORVANTA", "15A CSST", true, "15A CSST"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string id = std::to_string(++n);
    pugi::xml_node run = Valve(project_->Root(), id, 0.8);
    cv::SetFieldText(run, "material", c.material);
    cv::SetFieldText(run, "materialSize", c.size);
    cv::SetFieldText(run, "materialSizeFixed", c.fixed ? "1" : "0");
    EXPECT_FALSE(Size(run)) << id;
    EXPECT_EQ(project_->Size(id), c.after) << id;
  }
  // The text of the message is checked by the reference projects.
  EXPECT_EQ(project_->Messages().Shown().at(0).icon, cv::MessageIcon::Exclamation);
}

TEST_F(RunSizing, DeliveryMethodKeepsTheDeliveredPressureAtTheMinimum) {
  cvtest::SupplySettings s;
  s.method = "Delivery Pressure Method";
  s.deliveryPressure = "5";
  s.lowAllowableDrop = "0";
  Use(s);
  EXPECT_TRUE(Size(Valve(project_->Root(), "1", 2.0)));   // delivers 5
  EXPECT_FALSE(Size(Valve(project_->Root(), "2", 2.3)));  // delivers 4.7
}

TEST_F(RunSizing, TripPassOnlyNeedsANonNegativeDeliveredPressure) {
  project_->State().TripFlowPass = true;
  cv::CalcContext ctx{project_->State(), project_->Root(), {}};
  EXPECT_TRUE(cv::SizeRunByMethod(Valve(project_->Root(), "1", 0, 7.0), ctx));
  EXPECT_FALSE(cv::SizeRunByMethod(Valve(project_->Root(), "2", 0, 7.01), ctx));
}

TEST_F(RunSizing, DualSystemJudgesEachSideByItsOwnLimit) {
  Use(cvtest::TwoPsiDualSupply());
  pugi::xml_node reg = project_->Add(project_->Root(), {.id = "R", .appliance = "Regulator"});
  pugi::xml_node high = Valve(project_->Root(), "H", 20);  // below A_high 27.73
  pugi::xml_node low = Valve(reg, "L", 2.9);               // below A_low 3
  EXPECT_TRUE(Size(high));
  EXPECT_TRUE(Size(low));
  EXPECT_EQ(project_->Text("L", "SupplyPressure"), "7");
  EXPECT_FALSE(Size(Valve(reg, "L2", 3.1)));
  EXPECT_FALSE(Size(Valve(project_->Root(), "H2", 27.74)));
}

TEST_F(RunSizing, UnknownMethodPassesWithoutComputing) {
  cvtest::SupplySettings s;
  s.method = "Guesswork";
  Use(s);
  EXPECT_TRUE(Size(Valve(project_->Root(), "1", 99)));
  EXPECT_EQ(project_->Text("1", "DeliveredPressure"), "0");
}

}  // namespace
