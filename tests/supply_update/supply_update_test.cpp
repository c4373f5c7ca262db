#include "supply/supply_update.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "support/raised_error.h"

namespace cv {
namespace {

SupplyPanelInput Fixed(int gas, int supply, int internal = 0) {
  SupplyPanelInput in;
  in.method = SupplyMethod::Fixed;
  in.gasIndex = gas;
  in.supplyPreset = supply;
  in.internalPreset = internal;
  ClearDeliveryInputs(in.boxes);
  ClearUserDefinedInputs(in.boxes);
  return in;
}

SupplyPanelInput UserDefined(std::string supply, std::string drop, bool dual = false,
                             std::string internalSupply = " ", std::string internalDrop = " ") {
  SupplyPanelInput in;
  in.method = SupplyMethod::UserDefined;
  ClearDeliveryInputs(in.boxes);
  in.boxes.txtMetricSupplyPressureDrop = std::move(supply);
  in.boxes.txtUserDefinedAllowablePressureDrop = std::move(drop);
  in.boxes.txtUserDefinedInternalLowSupplyPressureDrop = std::move(internalSupply);
  in.boxes.txtMetricInternalPressureDrop = std::move(internalDrop);
  in.chkMetricDualPressure = dual;
  return in;
}

SupplyPanelInput Delivery(std::string lowSupply, std::string delivery, bool dual = false,
                          std::string highSupply = " ", std::string highDrop = " ") {
  SupplyPanelInput in;
  in.method = SupplyMethod::Delivery;
  ClearUserDefinedInputs(in.boxes);
  in.boxes.txtDeliveryPressureInternalLowSupplyPressure = std::move(lowSupply);
  in.boxes.txtDeliveryPressureInternalLowDeliveryPressure = std::move(delivery);
  in.boxes.txtDeliveryPressureHighSupplyPressure = std::move(highSupply);
  in.boxes.txtDeliveryPressureHighSupplyAllowedPressureDrop = std::move(highDrop);
  in.chkDeliveryDualPressure = dual;
  return in;
}

SupplySettings Accepted(const SupplyPanelInput& in) {
  SupplyEvaluation e = EvaluateSupplyUpdate(in);
  EXPECT_FALSE(e.failure) << e.failure->message;
  return e.settings;
}

SupplyCheckFailure Refused(const SupplyPanelInput& in) {
  SupplyEvaluation e = EvaluateSupplyUpdate(in);
  EXPECT_TRUE(e.failure);
  return e.failure.value_or(SupplyCheckFailure{});
}

// The pressures a settings record writes, in attribute order 2 to 6; "kept"
// where the stored delivery pressure is left alone.
std::vector<std::string> Pressures(const SupplySettings& s) {
  return {s.highSupplyPressure, s.highSupplyAllowablePressureDrop, s.internalLowSupplyPressure,
          s.internalLowSupplyDeliveryPressure.value_or("kept"),
          s.internalLowSupplyAllowablePressureDrop};
}

using Strings = std::vector<std::string>;

// What each method writes: presets of both gases, millibar and PSI boxes
// converted to inches of water, the boxes a single system does not use
// ignored, the blank internal drop box filled with 0. The method's name is
// checked by ApplySupply and by the printouts' settings block.
TEST(SupplyUpdate, AcceptedInputsWriteTheirPressuresAndDualState) {
  struct Case {
    const char* name;
    SupplyPanelInput in;
    Strings pressures;
    bool dual;
  };
  const Case cases[] = {
      {"14 In WC, a drop of exactly 6", Fixed(0, 3), {"0", "0", "14", "kept", "6"}, false},
      {"natural gas 2 PSI", Fixed(0, 4, 0), {"55.46", "27.73", "7", "kept", "3"}, true},
      {"propane 2 PSI", Fixed(1, 3, 0), {"55.46", "27.73", "11", "kept", "0.5"}, true},
      {"propane 5 PSI", Fixed(1, 4, 0), {"138.65", "97.055", "11", "kept", "0.5"}, true},
      {"user single", UserDefined(" 20 ", "2.5"), {"0", "0", "8.04402", "0", "1.0055025"}, false},
      {"user dual",
       UserDefined("100", "20", true, "20", "2.5"),
       {"40.2201", "8.04402", "8.04402", "0", "1.0055025"},
       true},
      {"delivery dual, low values as typed",
       Delivery("\t7.0 ", "5", true, "2", "1"),
       {"55.46", "27.73", "7.0", "5", "0"},
       true},
      {"delivery single", Delivery("7", "4", false, "abc", ""), {"0", "0", "7", "4", "0"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SupplySettings s = Accepted(c.in);
    EXPECT_EQ(Pressures(s), c.pressures);
    EXPECT_EQ(s.dualSystem, c.dual);
  }
  EXPECT_TRUE(EvaluateSupplyUpdate(UserDefined(" 20 ", "2.5")).internalDropSetToZero);
}

// The checks run in order and the first failure wins: its text and the box
// that gets the focus. A null text or focus is not looked at.
TEST(SupplyUpdate, RefusedInputsNameTheFirstFailingBox) {
  const char* const zero = "Error:  Supply/Internal Pressure Drops must be greater than zero!";
  const char* const notNumeric = "Error:  Supply Pressure is not numeric!";
  struct Case {
    SupplyPanelInput in;
    const char* message;
    const char* focus;
  };
  const Case cases[] = {
      // A list without selection is refused instead of writing zeros.
      {Fixed(0, -1), "Error:  Supply Pressure must be selected!", "cboSupplyPressure"},
      {Fixed(1, 5), nullptr, "cboSupplyPressure"},  // propane has five presets
      {Fixed(0, 4, -1), "Error:  Internal Pressure must be selected!", "cboInternalPressure"},
      {Fixed(-1, 1), nullptr, "cboGasType"},
      {UserDefined("", "x"), notNumeric, "txtMetricSupplyPressureDrop"},
      {UserDefined("20", " "), "Error:  Allowable Pressure Drop is not numeric!",
       "txtUserDefinedAllowablePressureDrop"},
      {UserDefined("20", "2", true, "y", "x"),
       "Error:  Internal Allowable Pressure Drop is not numeric!", "txtMetricInternalPressureDrop"},
      {UserDefined("20", "2", true, "y", "1"), "Error:  Internal Supply Pressure is not numeric!",
       "txtUserDefinedInternalLowSupplyPressureDrop"},
      {UserDefined("20", "2", true, "20", "0"), zero, "txtMetricInternalPressureDrop"},
      {UserDefined("0", "2"), zero, "txtMetricInternalPressureDrop"},
      {UserDefined("-20", "2"), "Error:  Supply Pressure must not be negative!",
       "txtMetricSupplyPressureDrop"},
      {UserDefined("20", "-2"), "Error:  Allowable Pressure Drop must not be negative!", nullptr},
      {UserDefined("20", "2", true, "-5", "1"),
       "Error:  Internal Supply Pressure must not be negative!",
       "txtUserDefinedInternalLowSupplyPressureDrop"},
      {Delivery(" ", "x", true, "y", "z"), notNumeric,
       "txtDeliveryPressureInternalLowSupplyPressure"},
      {Delivery("7", "x", true, "y", "z"), notNumeric, "txtDeliveryPressureHighSupplyPressure"},
      {Delivery("7", "x", true, "2", "z"), "Error:  Delivery Pressure is not numeric!", nullptr},
      {Delivery("7", "4", true, "2", "z"), "Error:Allowable Pressure Drop is not numeric!",
       "txtDeliveryPressureHighSupplyAllowedPressureDrop"},
      {Delivery("7", "-4"), "Error:  Delivery Pressure must not be negative!",
       "txtDeliveryPressureInternalLowDeliveryPressure"},
      {Delivery("7", "4", true, "2", "-1"), nullptr,
       "txtDeliveryPressureHighSupplyAllowedPressureDrop"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const SupplyCheckFailure failure = Refused(cases[i].in);
    EXPECT_TRUE(!cases[i].message || failure.message == cases[i].message) << failure.message;
    EXPECT_TRUE(!cases[i].focus || failure.focus == cases[i].focus) << failure.focus;
  }
}

TEST(SupplyUpdate, BoxesAndChecksASystemDoesNotUseAreIgnored) {
  // A single system uses neither the internal list nor the internal boxes;
  // a zero high allowable drop is not part of the zero check; a zero
  // delivery is allowed.
  for (const SupplyPanelInput& in : {Fixed(0, 2, -1), UserDefined("20", "2", false, "y", "x"),
                                     UserDefined("20", "0"), Delivery("0", "0")})
    EXPECT_FALSE(EvaluateSupplyUpdate(in).failure);
}

TEST(SupplyUpdate, AHugePsiValueFailsInsteadOfWritingInfinity) {
  EXPECT_EQ(
      cvtest::RaisedNumber([] { EvaluateSupplyUpdate(Delivery("7", "4", true, "1e308", "1")); }),
      kErrOverflow);
}

class ApplySupply : public ::testing::Test {
 protected:
  void SetUp() override { BuildNewProject(doc); }
  std::string Attribute(int position) { return RootAttributeText(ProjectRoot(doc), position); }
  std::string Field(const char* name) { return FieldText(ProjectRoot(doc), name); }
  pugi::xml_document doc;
};

TEST_F(ApplySupply, WritesEveryAttributeByPositionAndSetsTheState) {
  ApplySupplySettings(doc, Accepted(UserDefined("100", "20", true, "20", "2.5")));
  EXPECT_EQ(SerializeDocument(doc),
            "<CVSystem version=\"CVSystem-2.2.4-Metric\" gasType=\"Natural Gas\" "
            "HighSupplyPressure=\"40.2201\" HighSupplyAllowablePressureDrop=\"8.04402\" "
            "InternalLowSupplyPressure=\"8.04402\" InternalLowSupplyDeliveryPressure=\"0\" "
            "InternalLowSupplyAllowablePressureDrop=\"1.0055025\"><description>Gas Supply"
            "</description><load>0</load><calculationType>User Defined Method</calculationType>"
            "<EFVEnabled>False</EFVEnabled><DualSystem>True</DualSystem></CVSystem>");
  EXPECT_EQ(DocumentUnitSystem(doc), "Metric");

  ApplySupplySettings(doc, Accepted(Fixed(1, 2)));
  EXPECT_EQ(Attribute(kAttrGasType), "Propane");
  EXPECT_EQ(Field("DualSystem"), "False");
  EXPECT_EQ(DocumentUnitSystem(doc), "English");
}

TEST_F(ApplySupply, FixedMethodKeepsTheStoredDeliveryPressure) {
  ApplySupplySettings(doc, Accepted(Delivery("7", "4")));
  ApplySupplySettings(doc, Accepted(Fixed(0, 1)));
  EXPECT_EQ(Attribute(kAttrInternalLowSupplyDeliveryPressure), "4");
}

TEST_F(ApplySupply, ABrokenRootFailsBeforeAnythingIsWritten) {
  ProjectRoot(doc).remove_attribute("InternalLowSupplyAllowablePressureDrop");
  const std::string original = SerializeDocument(doc);
  EXPECT_THROW(ApplySupplySettings(doc, Accepted(Fixed(0, 4))), CvError);
  EXPECT_EQ(SerializeDocument(doc), original);

  BuildNewProject(doc);
  ProjectRoot(doc).remove_child("DualSystem");
  const std::string withoutDual = SerializeDocument(doc);
  EXPECT_THROW(ApplySupplySettings(doc, Accepted(Fixed(0, 4))), CvError);
  EXPECT_EQ(SerializeDocument(doc), withoutDual);
}

}  // namespace
}  // namespace cv
