// The settings block at the top of every printout: which lines it has for
// each method and pressure side, where they stand, and what they read.
#include "reports/print_settings_block.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "print/recording_surface.h"
#include "project/document.h"
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

// Project, date and gas, then the lines of the method and the high side.
TEST(SettingsBlock, MethodLinesFollowTheMethodAndTheHighSide) {
  struct Case {
    const char* method;
    const char* lowDrop;   // in WC
    const char* highDrop;  // in WC; not 0: a dual system
    const char* methodLines;
  };
  // 5 mb and 2 mb are stored as 2.011005 and 0.804402 in WC; a delivery
  // drop of 0.5 PSI as 13.865 in WC.
  const std::string head =
      "Project: /home/ann/house.cv    -     (App Version: 2.2.4      File Version: 2.2.4-English)\n"
      "Date: 3/14/2024 9:26:53 AM\nGas Type: Natural Gas\n";
  for (const Case& c : {
           Case{"Fixed Pressure Method", "0.5", "0",
                "Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop\n"},
           Case{"Fixed Pressure Method", "3", "27.73",
                "Supply Pressure: 7 In WC Supply - 0.5 In WC Pressure Drop\n"
                "Low Supply Pressure: 7 In WC Supply - 3 In WC Pressure Drop\n"},
           Case{"User Defined Method", "2.011005", "0.804402",
                "Supply Pressure Drop: 5 mb\nHigh Supply Pressure Drop: 2 mb\n"},
           Case{"Delivery Pressure Method", "3", "13.865",
                "Delivery Pressure: 5 WC\nPressure Drop: 0.5 PSI\n"},
           Case{"Some Other Method", "3", "27.73", ""},
       }) {
    cvtest::SupplySettings s =
        std::string(c.highDrop) != "0" ? cvtest::TwoPsiDualSupply() : cvtest::SupplySettings{};
    s.version = "2.2.4-English";
    s.method = c.method;
    s.lowAllowableDrop = c.lowDrop;
    s.highAllowableDrop = c.highDrop;
    s.deliveryPressure = "5";
    std::string lines;
    for (const std::string& line : Lines(s)) lines += line + "\n";
    EXPECT_EQ(lines, head + c.methodLines) << c.method;
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
