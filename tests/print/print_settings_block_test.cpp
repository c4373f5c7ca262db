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

TEST(SettingsBlock, SinglePressureFixedMethodHasFourLines) {
  cvtest::SupplySettings s;
  s.version = "2.2.1-English";
  EXPECT_EQ(Lines(s), (std::vector<std::string>{
                          "Project: /home/ann/house.cv    -     (App Version: 2.2.4      "
                          "File Version: 2.2.1-English)",
                          "Date: 3/14/2024 9:26:53 AM",
                          "Gas Type: Natural Gas",
                          "Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop",
                      }));
}

TEST(SettingsBlock, DualPressureAddsTheHighSideLineOfEachMethod) {
  struct Case {
    const char* method;
    const char* lowDrop;   // in WC
    const char* highDrop;  // in WC
    const char* supplyLine;
    const char* highSideLine;
  };
  // 5 mb and 2 mb are stored as 2.011005 and 0.804402 in WC; a delivery
  // drop of 0.5 PSI as 13.865 in WC.
  const Case cases[] = {
      {"Fixed Pressure Method", "3", "27.73",
       "Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop",
       "Low Supply Pressure: 7 In WC Supply - 3 In WC Pressure Drop"},
      {"User Defined Method", "2.011005", "0.804402", "Supply Pressure Drop: 5 mb",
       "High Supply Pressure Drop: 2 mb"},
      {"Delivery Pressure Method", "3", "13.865", "Delivery Pressure: 5 WC",
       "Pressure Drop: 0.5 PSI"},
  };
  for (const Case& c : cases) {
    cvtest::SupplySettings s = cvtest::TwoPsiDualSupply();
    s.method = c.method;
    s.lowAllowableDrop = c.lowDrop;
    s.highAllowableDrop = c.highDrop;
    s.deliveryPressure = "5";
    const std::vector<std::string> lines = Lines(s);
    ASSERT_EQ(lines.size(), 5u) << c.method;
    EXPECT_EQ(lines[3], c.supplyLine);
    EXPECT_EQ(lines[4], c.highSideLine);
  }
}

TEST(SettingsBlock, UnknownMethodPrintsNeitherMethodLine) {
  cvtest::SupplySettings s = cvtest::TwoPsiDualSupply();
  s.method = "Some Other Method";
  EXPECT_EQ(Lines(s).size(), 3u);
}

TEST(SettingsBlock, DrawsLogoTitleAndLinesAtTheirPlaces) {
  pugi::xml_document doc;
  cvtest::BuildProject(doc, cvtest::TwoPsiDualSupply());
  cvtest::RecordingSurface surface;
  cv::PrintSettingsBlock(surface, doc, Header());

  const std::vector<Drawn> pictures = surface.ItemsOf(Drawn::Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].text, "crvntlogo.bmp");
  EXPECT_EQ(std::vector<double>({pictures[0].x, pictures[0].y, pictures[0].x2, pictures[0].y2}),
            std::vector<double>({500, 500, 4000, 920}));

  const std::vector<Drawn> texts = surface.ItemsOf(Drawn::Kind::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0].text, "System Settings");
  EXPECT_EQ(texts[0].x, 650);
  EXPECT_EQ(texts[0].y, 1700);
  EXPECT_TRUE(texts[0].bold);
  EXPECT_EQ(texts[0].fontSize, 14);
  for (size_t i = 1; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].x, 750);
    EXPECT_EQ(texts[i].y, 2100 + 250 * static_cast<double>(i - 1));
    EXPECT_FALSE(texts[i].bold);
    EXPECT_EQ(texts[i].fontSize, 10);
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
    const std::optional<Drawn> line = surface.FindText(c.highSideLine);
    ASSERT_TRUE(line) << c.highSideLine;
    EXPECT_EQ(line->y, 2100 + 1000);
  }
}
