#include "supply/supply_panel_values.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "support/raised_error.h"

namespace cv {
namespace {

class PanelFromDocument : public ::testing::Test {
 protected:
  void SetUp() override { BuildNewProject(doc); }
  void Set(int position, const char* text) {
    SetRootAttributeText(ProjectRoot(doc), position, text);
  }
  void SetField(const char* name, const char* text) { SetFieldText(ProjectRoot(doc), name, text); }
  int FailureNumber() {
    return cvtest::RaisedNumber([&] { SupplyPanelFromDocument(doc); });
  }
  pugi::xml_document doc;
};

TEST_F(PanelFromDocument, NewProjectShowsTheStandardFixedPreset) {
  SupplyPanelValues v = SupplyPanelFromDocument(doc);
  EXPECT_EQ(v.unitSystem, "English") << "2.2.4-English has its unit system in the second part";
  EXPECT_EQ(v.method, SupplyMethod::Fixed);
  EXPECT_EQ(v.supplyPreset, 1);
  EXPECT_FALSE(v.dualSystem);
  EXPECT_FALSE(v.efvPresent);
}

TEST_F(PanelFromDocument, FixedMethodIsDualOnlyByItsHighDrop) {
  Set(kAttrInternalLowSupplyAllowablePressureDrop, "0.4");  // matches no preset
  SetField("DualSystem", "True");
  EXPECT_FALSE(SupplyPanelFromDocument(doc).dualSystem);
  EXPECT_EQ(SupplyPanelFromDocument(doc).supplyPreset, -1);

  Set(kAttrHighSupplyAllowablePressureDrop, "27.73");
  Set(kAttrInternalLowSupplyAllowablePressureDrop, "3");
  SetField("DualSystem", "False");
  SupplyPanelValues v = SupplyPanelFromDocument(doc);
  EXPECT_TRUE(v.dualSystem);
  EXPECT_TRUE(v.fixedHighFrames);
  EXPECT_EQ(v.supplyPreset, 4);

  Set(kAttrGasType, "Propane");
  Set(kAttrInternalLowSupplyAllowablePressureDrop, "0.5");
  v = SupplyPanelFromDocument(doc);
  EXPECT_EQ(v.gasIndex, 1);
  EXPECT_EQ(v.supplyPreset, 3);
}

TEST_F(PanelFromDocument, MetricUserDefinedProjectShowsMillibar) {
  Set(kAttrVersion, "CVSystem-2.2.4-Metric");
  SetField("calculationType", "User Defined Method");
  Set(kAttrInternalLowSupplyPressure, "8.04402");
  Set(kAttrInternalLowSupplyAllowablePressureDrop, "1.0055025");
  SupplyPanelValues v = SupplyPanelFromDocument(doc);
  EXPECT_EQ(v.unitSystem, "Metric");
  EXPECT_EQ(v.method, SupplyMethod::UserDefined);
  EXPECT_EQ(v.supplyPreset, 0);
  EXPECT_EQ(v.boxes.txtMetricSupplyPressureDrop, "20");
  EXPECT_EQ(v.boxes.txtUserDefinedAllowablePressureDrop, "2.5");
}

TEST_F(PanelFromDocument, DualDeliveryProjectShowsPsiInTheHighBoxes) {
  SetField("calculationType", "Delivery Pressure Method");
  SetField("DualSystem", "True");
  Set(kAttrHighSupplyPressure, "55.46");
  Set(kAttrHighSupplyAllowablePressureDrop, "27.73");
  Set(kAttrInternalLowSupplyDeliveryPressure, "5.0");
  SupplyPanelValues v = SupplyPanelFromDocument(doc);
  EXPECT_EQ(v.method, SupplyMethod::Delivery);
  EXPECT_TRUE(v.dualSystem);
  EXPECT_EQ(v.chkDeliveryDualPressure, true);
  EXPECT_EQ(v.boxes.txtDeliveryPressureHighSupplyPressure, "2");
  EXPECT_EQ(v.boxes.txtDeliveryPressureHighSupplyAllowedPressureDrop, "1");
  EXPECT_EQ(v.boxes.txtDeliveryPressureInternalLowSupplyPressure, "7");
  EXPECT_EQ(v.boxes.txtDeliveryPressureInternalLowDeliveryPressure, "5");
}

TEST_F(PanelFromDocument, AnUnknownMethodNameLoadsAsTheDeliveryMethod) {
  SetField("calculationType", "Something Else");
  EXPECT_EQ(SupplyPanelFromDocument(doc).method, SupplyMethod::Delivery);
}

TEST_F(PanelFromDocument, BrokenDocumentsFailWithTheirNumbers) {
  SetField("EFVEnabled", "True");
  EXPECT_TRUE(SupplyPanelFromDocument(doc).efvPresent);

  Set(kAttrHighSupplyAllowablePressureDrop, "abc");
  EXPECT_EQ(FailureNumber(), kErrTypeMismatch);

  BuildNewProject(doc);
  ProjectRoot(doc).remove_attribute("InternalLowSupplyAllowablePressureDrop");
  EXPECT_EQ(FailureNumber(), kErrOutOfRange);

  BuildNewProject(doc);
  ProjectRoot(doc).remove_child("calculationType");
  EXPECT_EQ(FailureNumber(), kErrMissingElement);

  doc.reset();
  doc.append_child("Other");
  EXPECT_EQ(FailureNumber(), kErrMissingElement);
}

// The user-defined method starts from the project's supply in millibar: a
// 2 PSI preset fills both sections under the dual tick, else the single
// pair takes its low section (7 and 3 inches); other boxes stay.
TEST_F(PanelFromDocument, UserDefinedMethodStartsFromTheProjectsSupplyInMillibar) {
  Set(kAttrHighSupplyPressure, "55.46");
  Set(kAttrHighSupplyAllowablePressureDrop, "27.73");
  Set(kAttrInternalLowSupplyAllowablePressureDrop, "3");
  SetField("DualSystem", "True");
  for (const bool dual : {true, false}) {
    SupplyBoxTexts b;
    b.txtMetricInternalPressureDrop = "kept";
    FillUserDefinedStartValues(doc, dual, b);
    const std::string shown =
        b.txtMetricSupplyPressureDrop + " " + b.txtUserDefinedAllowablePressureDrop + " " +
        b.txtUserDefinedInternalLowSupplyPressureDrop + " " + b.txtMetricInternalPressureDrop;
    EXPECT_EQ(shown, dual ? "137.891253378286 68.945626689143 17.4042332067797 7.45895708861987"
                          : "17.4042332067797 7.45895708861987  kept");
  }
}

}  // namespace
}  // namespace cv
