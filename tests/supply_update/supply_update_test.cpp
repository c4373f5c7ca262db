#include "supply/supply_update.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "project/document.h"

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

// The four pressures a settings record writes, in attribute order 2, 3, 4, 6.
std::vector<std::string> Pressures(const SupplySettings& s) {
  return {s.highSupplyPressure, s.highSupplyAllowablePressureDrop, s.internalLowSupplyPressure,
          s.internalLowSupplyAllowablePressureDrop};
}

using Strings = std::vector<std::string>;

TEST(FixedMethodUpdate, FourteenInchPresetIsASinglePressureSystem) {
  SupplySettings s = Accepted(Fixed(0, 3));
  EXPECT_EQ(Pressures(s), (Strings{"0", "0", "14", "6"}));
  EXPECT_FALSE(s.dualSystem);
  EXPECT_EQ(s.unitSystem, "English");
  EXPECT_EQ(s.version, "CVSystem-2.2.4-English");
  EXPECT_EQ(s.calculationType, "Fixed Pressure Method");
  EXPECT_EQ(s.gasType, "Natural Gas");
  EXPECT_FALSE(s.internalLowSupplyDeliveryPressure) << "the fixed method leaves it alone";
}

TEST(FixedMethodUpdate, PsiPresetsAreDualForBothGases) {
  SupplySettings natural = Accepted(Fixed(0, 4, 0));
  EXPECT_EQ(Pressures(natural), (Strings{"55.46", "27.73", "7", "3"}));
  EXPECT_TRUE(natural.dualSystem);

  SupplySettings propane = Accepted(Fixed(1, 3, 0));
  EXPECT_EQ(Pressures(propane), (Strings{"55.46", "27.73", "11", "0.5"}));
  EXPECT_TRUE(propane.dualSystem);
  EXPECT_EQ(propane.gasType, "Propane");

  SupplySettings fivePsi = Accepted(Fixed(1, 4, 0));
  EXPECT_EQ(Pressures(fivePsi), (Strings{"138.65", "97.055", "11", "0.5"}));
}

TEST(FixedMethodUpdate, AListWithoutSelectionIsRefusedInsteadOfWritingZeros) {
  SupplyCheckFailure noSupply = Refused(Fixed(0, -1));
  EXPECT_EQ(noSupply.message, "Error:  Supply Pressure must be selected!");
  EXPECT_EQ(noSupply.focus, "cboSupplyPressure");
  EXPECT_EQ(Refused(Fixed(1, 5)).focus, "cboSupplyPressure") << "propane has five presets";

  SupplyCheckFailure noInternal = Refused(Fixed(0, 4, -1));
  EXPECT_EQ(noInternal.message, "Error:  Internal Pressure must be selected!");
  EXPECT_EQ(noInternal.focus, "cboInternalPressure");
  // A single system does not use the internal list.
  EXPECT_FALSE(EvaluateSupplyUpdate(Fixed(0, 2, -1)).failure);

  SupplyPanelInput noGas = Fixed(-1, 1);
  EXPECT_EQ(Refused(noGas).focus, "cboGasType");
}

TEST(UserDefinedUpdate, SingleSystemConvertsMillibarToInchesOfWater) {
  SupplyEvaluation e = EvaluateSupplyUpdate(UserDefined(" 20 ", "2.5"));
  ASSERT_FALSE(e.failure);
  EXPECT_EQ(Pressures(e.settings), (Strings{"0", "0", "8.04402", "1.0055025"}));
  EXPECT_EQ(e.settings.internalLowSupplyDeliveryPressure, "0");
  EXPECT_EQ(e.settings.version, "CVSystem-2.2.4-Metric");
  EXPECT_EQ(e.settings.unitSystem, "Metric");
  EXPECT_EQ(e.settings.calculationType, "User Defined Method");
  EXPECT_FALSE(e.settings.dualSystem);
  EXPECT_TRUE(e.internalDropSetToZero) << "the blank internal drop box becomes 0";
}

TEST(UserDefinedUpdate, DualSystemWritesEachBoxToItsAttribute) {
  SupplySettings s = Accepted(UserDefined("100", "20", true, "20", "2.5"));
  EXPECT_EQ(Pressures(s), (Strings{"40.2201", "8.04402", "8.04402", "1.0055025"}));
  EXPECT_TRUE(s.dualSystem);
}

TEST(UserDefinedUpdate, ChecksRunInOrderAndTheFirstFailureWins) {
  EXPECT_EQ(Refused(UserDefined("", "x")).message, "Error:  Supply Pressure is not numeric!");
  EXPECT_EQ(Refused(UserDefined("", "x")).focus, "txtMetricSupplyPressureDrop");
  SupplyCheckFailure drop = Refused(UserDefined("20", " "));
  EXPECT_EQ(drop.message, "Error:  Allowable Pressure Drop is not numeric!");
  EXPECT_EQ(drop.focus, "txtUserDefinedAllowablePressureDrop");
  SupplyCheckFailure internalDrop = Refused(UserDefined("20", "2", true, "y", "x"));
  EXPECT_EQ(internalDrop.message, "Error:  Internal Allowable Pressure Drop is not numeric!");
  EXPECT_EQ(internalDrop.focus, "txtMetricInternalPressureDrop");
  SupplyCheckFailure internalSupply = Refused(UserDefined("20", "2", true, "y", "1"));
  EXPECT_EQ(internalSupply.message, "Error:  Internal Supply Pressure is not numeric!");
  EXPECT_EQ(internalSupply.focus, "txtUserDefinedInternalLowSupplyPressureDrop");
  // A single system does not look at the internal boxes.
  EXPECT_FALSE(EvaluateSupplyUpdate(UserDefined("20", "2", false, "y", "x")).failure);
}

TEST(UserDefinedUpdate, ZeroSupplyOrDualInternalDropIsRefused) {
  const char* zeroText = "Error:  Supply/Internal Pressure Drops must be greater than zero!";
  SupplyCheckFailure dualZero = Refused(UserDefined("20", "2", true, "20", "0"));
  EXPECT_EQ(dualZero.message, zeroText);
  EXPECT_EQ(dualZero.focus, "txtMetricInternalPressureDrop");
  SupplyCheckFailure supplyZero = Refused(UserDefined("0", "2"));
  EXPECT_EQ(supplyZero.message, zeroText);
  EXPECT_EQ(supplyZero.focus, "txtMetricInternalPressureDrop");
  // A zero allowable drop of the high section is not part of that check.
  EXPECT_FALSE(EvaluateSupplyUpdate(UserDefined("20", "0")).failure);
}

TEST(UserDefinedUpdate, NegativeValuesAreRefused) {
  SupplyCheckFailure supply = Refused(UserDefined("-20", "2"));
  EXPECT_EQ(supply.message, "Error:  Supply Pressure must not be negative!");
  EXPECT_EQ(supply.focus, "txtMetricSupplyPressureDrop");
  SupplyCheckFailure drop = Refused(UserDefined("20", "-2"));
  EXPECT_EQ(drop.message, "Error:  Allowable Pressure Drop must not be negative!");
  SupplyCheckFailure internal = Refused(UserDefined("20", "2", true, "-5", "1"));
  EXPECT_EQ(internal.message, "Error:  Internal Supply Pressure must not be negative!");
  EXPECT_EQ(internal.focus, "txtUserDefinedInternalLowSupplyPressureDrop");
}

TEST(DeliveryUpdate, DualSystemStoresPsiAsInchesOfWater) {
  SupplySettings s = Accepted(Delivery(" 7.0 ", "5", true, "2", "1"));
  EXPECT_EQ(Pressures(s), (Strings{"55.46", "27.73", "7.0", "0"})) << "low values as typed";
  EXPECT_EQ(s.internalLowSupplyDeliveryPressure, "5");
  EXPECT_TRUE(s.dualSystem);
  EXPECT_EQ(s.unitSystem, "English");
  EXPECT_EQ(s.calculationType, "Delivery Pressure Method");
}

TEST(DeliveryUpdate, SingleSystemIgnoresTheHighBoxes) {
  SupplySettings s = Accepted(Delivery("7", "4", false, "abc", ""));
  EXPECT_EQ(Pressures(s), (Strings{"0", "0", "7", "0"}));
  EXPECT_FALSE(s.dualSystem);
}

TEST(DeliveryUpdate, ChecksRunInOrderWithTheirOwnTexts) {
  SupplyCheckFailure low = Refused(Delivery(" ", "x", true, "y", "z"));
  EXPECT_EQ(low.message, "Error:  Supply Pressure is not numeric!");
  EXPECT_EQ(low.focus, "txtDeliveryPressureInternalLowSupplyPressure");
  SupplyCheckFailure high = Refused(Delivery("7", "x", true, "y", "z"));
  EXPECT_EQ(high.message, "Error:  Supply Pressure is not numeric!");
  EXPECT_EQ(high.focus, "txtDeliveryPressureHighSupplyPressure");
  SupplyCheckFailure delivery = Refused(Delivery("7", "x", true, "2", "z"));
  EXPECT_EQ(delivery.message, "Error:  Delivery Pressure is not numeric!");
  SupplyCheckFailure highDrop = Refused(Delivery("7", "4", true, "2", "z"));
  EXPECT_EQ(highDrop.message, "Error:Allowable Pressure Drop is not numeric!");
  EXPECT_EQ(highDrop.focus, "txtDeliveryPressureHighSupplyAllowedPressureDrop");
}

TEST(DeliveryUpdate, NegativeValuesAreRefused) {
  SupplyCheckFailure delivery = Refused(Delivery("7", "-4"));
  EXPECT_EQ(delivery.message, "Error:  Delivery Pressure must not be negative!");
  EXPECT_EQ(delivery.focus, "txtDeliveryPressureInternalLowDeliveryPressure");
  EXPECT_EQ(Refused(Delivery("7", "4", true, "2", "-1")).focus,
            "txtDeliveryPressureHighSupplyAllowedPressureDrop");
  EXPECT_FALSE(EvaluateSupplyUpdate(Delivery("0", "0")).failure) << "zero is allowed";
}

TEST(DeliveryUpdate, AHugePsiValueFailsInsteadOfWritingInfinity) {
  try {
    EvaluateSupplyUpdate(Delivery("7", "4", true, "1e308", "1"));
    FAIL() << "expected an overflow";
  } catch (const CvError& e) {
    EXPECT_EQ(e.number(), kErrOverflow);
  }
}

class ApplySupply : public ::testing::Test {
 protected:
  void SetUp() override { BuildNewProject(doc); }
  std::string Attribute(int position) { return RootAttributeText(ProjectRoot(doc), position); }
  std::string Field(const char* name) { return FieldText(ProjectRoot(doc), name); }
  pugi::xml_document doc;
  ProgramState state;
};

TEST_F(ApplySupply, WritesEveryAttributeByPositionAndSetsTheState) {
  ApplySupplySettings(doc, Accepted(UserDefined("100", "20", true, "20", "2.5")), state);
  EXPECT_EQ(Attribute(kAttrVersion), "CVSystem-2.2.4-Metric");
  EXPECT_EQ(Attribute(kAttrHighSupplyPressure), "40.2201");
  EXPECT_EQ(Attribute(kAttrInternalLowSupplyAllowablePressureDrop), "1.0055025");
  EXPECT_EQ(Field("calculationType"), "User Defined Method");
  EXPECT_EQ(Field("DualSystem"), "True");
  EXPECT_EQ(state.UnitSystem, "Metric");
  EXPECT_TRUE(state.DualSystemFlag);

  ApplySupplySettings(doc, Accepted(Fixed(1, 2)), state);
  EXPECT_EQ(Attribute(kAttrGasType), "Propane");
  EXPECT_EQ(Field("DualSystem"), "False");
  EXPECT_EQ(state.UnitSystem, "English");
  EXPECT_FALSE(state.DualSystemFlag);
}

TEST_F(ApplySupply, FixedMethodKeepsTheStoredDeliveryPressure) {
  ApplySupplySettings(doc, Accepted(Delivery("7", "4")), state);
  ApplySupplySettings(doc, Accepted(Fixed(0, 1)), state);
  EXPECT_EQ(Attribute(kAttrInternalLowSupplyDeliveryPressure), "4");
}

TEST_F(ApplySupply, ABrokenRootFailsBeforeAnythingIsWritten) {
  ProgramState before;
  ProjectRoot(doc).remove_attribute("InternalLowSupplyAllowablePressureDrop");
  const std::string original = SerializeDocument(doc);
  EXPECT_THROW(ApplySupplySettings(doc, Accepted(Fixed(0, 4)), state), CvError);
  EXPECT_EQ(SerializeDocument(doc), original);
  EXPECT_EQ(state.UnitSystem, before.UnitSystem);

  BuildNewProject(doc);
  ProjectRoot(doc).remove_child("DualSystem");
  const std::string withoutDual = SerializeDocument(doc);
  EXPECT_THROW(ApplySupplySettings(doc, Accepted(Fixed(0, 4)), state), CvError);
  EXPECT_EQ(SerializeDocument(doc), withoutDual);
}

}  // namespace
}  // namespace cv
