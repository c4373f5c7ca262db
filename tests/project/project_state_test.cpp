#include "project/project_state.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

TEST(UnitSystemFromVersion, TakesTheThirdPartWhenThereAreThree) {
  EXPECT_EQ(cv::UnitSystemFromVersion("2.2.4-English"), "English");
  EXPECT_EQ(cv::UnitSystemFromVersion("CVSystem-2.2.4-Metric"), "Metric");
  EXPECT_EQ(cv::UnitSystemFromVersion("2.2.4"), "English");
  EXPECT_EQ(cv::UnitSystemFromVersion(""), "English");
  // The third part is taken unchanged, whatever it says.
  EXPECT_EQ(cv::UnitSystemFromVersion("2.2.4-Metric"), "English");
  EXPECT_EQ(cv::UnitSystemFromVersion("a-b-Imperial-d"), "Imperial");
  EXPECT_EQ(cv::UnitSystemFromVersion("a-b-"), "");
}

// The unit system and the EFV flag it derives are checked by the report
// reference projects (metric lists) and the reference projects with EFVs
// (their trip pass).
bool IsDual(const cvtest::SupplySettings& settings) {
  cvtest::TestProject project(settings);
  return cv::IsDualSystem(project.Doc());
}

TEST(IsDualSystem, FixedMethodIsDualByItsHighSideDropAlone) {
  struct Case {
    const char* highPressure;
    const char* highDrop;
    bool dualElement;
    bool dual;
  };
  for (const Case& c : {Case{"0", "0", true, false}, Case{"55.46", "0", true, false},
                        Case{"0", "27.73", false, true}, Case{"55.46", "27.73", false, true}}) {
    cvtest::SupplySettings s;
    s.highSupplyPressure = c.highPressure;
    s.highAllowableDrop = c.highDrop;
    s.dual = c.dualElement;
    EXPECT_EQ(IsDual(s), c.dual) << c.highPressure << " " << c.highDrop;
  }
}

TEST(IsDualSystem, OtherMethodsFollowTheDualSystemElement) {
  for (const char* method : {"User Defined Method", "Delivery Pressure Method", "Anything"}) {
    cvtest::SupplySettings s;
    s.method = method;
    s.highAllowableDrop = "27.73";
    EXPECT_FALSE(IsDual(s)) << method;
    s.dual = true;
    s.highAllowableDrop = "0";
    EXPECT_TRUE(IsDual(s)) << method;
  }
}

TEST(DeriveStateFromDocument, ABrokenRootFails) {
  cvtest::TestProject project;
  project.Root().remove_child("calculationType");
  EXPECT_EQ(
      cvtest::RaisedNumber([&] { cv::DeriveStateFromDocument(project.Doc(), project.State()); }),
      cv::kErrMissingElement);

  cvtest::TestProject shortRoot;
  shortRoot.Root().remove_attribute("InternalLowSupplyAllowablePressureDrop");
  EXPECT_THROW(cv::DeriveStateFromDocument(shortRoot.Doc(), shortRoot.State()), cv::CvError);

  cvtest::SupplySettings wordy;
  wordy.highAllowableDrop = "one";
  cvtest::TestProject notNumeric(wordy);
  EXPECT_THROW(cv::DeriveStateFromDocument(notNumeric.Doc(), notNumeric.State()), cv::CvError);
}

TEST(DocumentHasEFV, LooksAtEveryDepth) {
  cvtest::TestProject project;
  pugi::xml_node tee = project.Add(project.Root(), {.id = "1", .appliance = "Tee"});
  pugi::xml_node range = project.Add(tee, {.id = "2", .appliance = "Range"});
  EXPECT_FALSE(cv::DocumentHasEFV(project.Doc()));
  project.Add(range, {.id = "3", .appliance = "EFV", .model = "X"});
  EXPECT_TRUE(cv::DocumentHasEFV(project.Doc()));
}

}  // namespace
