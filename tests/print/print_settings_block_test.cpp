// The settings block at the top of every printout: which lines it has for
// each method and pressure side, where they stand, and what they read.
#include "reports/print_settings_block.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "print/recording_surface.h"
#include "project/document.h"
#include "supply/supply_update.h"
#include "support/project_builder.h"

namespace {

using cvtest::Drawn;

cv::PrintHeader Header() {
  cv::PrintHeader h;
  h.projectPath = "/home/ann/house.cv";
  h.dateTime = "3/14/2024 9:26:53 AM";
  h.gasType = "Natural Gas";
  h.supplyPressure = "7 In WC Supply - 0.5 In WC Pressure Drop";
  h.internalPressure = "7 In WC Supply - 3 In WC Pressure Drop";
  return h;
}

std::vector<std::string> Lines(const cvtest::SupplySettings& settings) {
  pugi::xml_document doc;
  cvtest::BuildProject(doc, settings);
  return cv::SettingsBlockLines(doc, Header());
}

TEST(SettingsBlock, ProjectDateAndGasComeFirst) {
  const std::vector<std::string> lines = Lines({});
  EXPECT_EQ(
      std::vector<std::string>(lines.begin(), lines.begin() + 3),
      (std::vector<std::string>{"Project: /home/ann/house.cv    -     (App Version: 2.2.4      "
                                "File Version: 2.2.4-English)",
                                "Date: 3/14/2024 9:26:53 AM", "Gas Type: Natural Gas"}));
}

TEST(SettingsBlock, MethodLinesFollowTheMethodAndTheHighSide) {
  struct Case {
    const char* method;
    bool dual;
    const char* lowDrop;   // in WC
    const char* highDrop;  // in WC
    std::vector<std::string> methodLines;
  };
  // 5 mb and 2 mb are stored as 2.011005 and 0.804402 in WC; a delivery
  // drop of 0.5 PSI as 13.865 in WC.
  const Case cases[] = {
      {"Fixed Pressure Method",
       false,
       "0.5",
       "0",
       {"Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop"}},
      {"Fixed Pressure Method",
       true,
       "3",
       "27.73",
       {"Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop",
        "Low Supply Pressure: 7 In WC Supply - 3 In WC Pressure Drop"}},
      {"User Defined Method",
       true,
       "2.011005",
       "0.804402",
       {"Supply Pressure Drop: 5 mb", "High Supply Pressure Drop: 2 mb"}},
      {"Delivery Pressure Method",
       true,
       "3",
       "13.865",
       {"Delivery Pressure: 5 WC", "Pressure Drop: 0.5 PSI"}},
      {"Some Other Method", true, "3", "27.73", {}},
  };
  for (const Case& c : cases) {
    cvtest::SupplySettings s = c.dual ? cvtest::TwoPsiDualSupply() : cvtest::SupplySettings{};
    s.method = c.method;
    s.lowAllowableDrop = c.lowDrop;
    s.highAllowableDrop = c.highDrop;
    s.deliveryPressure = "5";
    const std::vector<std::string> lines = Lines(s);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()), c.methodLines) << c.method;
  }
}

TEST(SettingsBlock, UnreadableProjectFailsBeforeDrawing) {
  pugi::xml_document doc;
  cvtest::BuildProject(doc, cvtest::TwoPsiDualSupply());
  cv::SetRootAttributeText(cv::ProjectRoot(doc), cv::kAttrHighSupplyAllowablePressureDrop, "x");
  cv::SetFieldText(cv::ProjectRoot(doc), "calculationType", "Delivery Pressure Method");
  cvtest::RecordingSurface surface;
  EXPECT_THROW(cv::PrintSettingsBlock(surface, doc, Header()), cv::CvError);
  EXPECT_TRUE(surface.Items().empty());
}

}  // namespace

// From the supply panel to paper: the high-side line of a dual-pressure
// project reads the high-pressure section's values the update stored, never
// the low section's or the supply pressure itself.
TEST(SettingsBlock, DualPressureUpdatePrintsItsHighSideLine) {
  struct Case {
    cv::SupplyMethod method;
    cv::SupplyBoxTexts boxes;
    const char* highSideLine;
  };
  const Case cases[] = {
      {cv::SupplyMethod::UserDefined,
       {.txtMetricSupplyPressureDrop = "138",
        .txtUserDefinedAllowablePressureDrop = "70",
        .txtUserDefinedInternalLowSupplyPressureDrop = "20",
        .txtMetricInternalPressureDrop = "5"},
       "High Supply Pressure Drop: 70 mb"},
      {cv::SupplyMethod::Delivery,
       {.txtDeliveryPressureHighSupplyPressure = "2",
        .txtDeliveryPressureHighSupplyAllowedPressureDrop = "1",
        .txtDeliveryPressureInternalLowSupplyPressure = "7",
        .txtDeliveryPressureInternalLowDeliveryPressure = "5"},
       "Pressure Drop: 1 PSI"},
  };
  for (const Case& c : cases) {
    cv::SupplyPanelInput input;
    input.method = c.method;
    input.boxes = c.boxes;
    input.chkMetricDualPressure = input.chkDeliveryDualPressure = true;
    const cv::SupplyEvaluation update = cv::EvaluateSupplyUpdate(input);
    ASSERT_FALSE(update.failure) << c.highSideLine;
    cvtest::TestProject project;
    cv::ApplySupplySettings(project.Doc(), update.settings, project.State());
    cvtest::RecordingSurface surface;
    cv::PrintSettingsBlock(surface, project.Doc(), Header());
    EXPECT_TRUE(surface.FindText(c.highSideLine)) << c.highSideLine;
  }
}
