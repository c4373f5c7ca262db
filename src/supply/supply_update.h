// "Update Supply Parameters" without the window: the panel's values go in,
// and out comes either the first check that fails (its message and the box
// that gets the focus) or the settings to write into the project's root.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "sizing/program_state.h"
#include "supply/supply_boxes.h"

namespace cv {

// What the supply panel holds when the update button is pressed.
struct SupplyPanelInput {
  SupplyMethod method = SupplyMethod::Fixed;
  int gasIndex = 0;        // cboGasType position
  int supplyPreset = 1;    // cboSupplyPressure position, -1 without selection
  int internalPreset = 0;  // cboInternalPressure position, -1 without selection
  SupplyBoxTexts boxes;
  bool chkMetricDualPressure = false;
  bool chkDeliveryDualPressure = false;
};

// A refused update: the message (shown titled "Error" with an exclamation
// icon) and the objectName of the control that gets the focus.
struct SupplyCheckFailure {
  std::string message;
  std::string focus;
};

// Everything an accepted update writes. Pressures are inches of water column
// as text; the fixed method leaves the delivery pressure as it is.
struct SupplySettings {
  std::string unitSystem;  // "English" or "Metric"
  std::string version;     // CVSystem-2.2.4-English
  std::string gasType;
  std::string highSupplyPressure;
  std::string highSupplyAllowablePressureDrop;
  std::string internalLowSupplyPressure;
  std::optional<std::string> internalLowSupplyDeliveryPressure;
  std::string internalLowSupplyAllowablePressureDrop;
  std::string calculationType;
  bool dualSystem = false;
};

struct SupplyEvaluation {
  std::optional<SupplyCheckFailure> failure;  // set: nothing is written
  SupplySettings settings;                    // valid without a failure
  // The user-defined method fills a blank internal drop box with "0" before
  // its zero check; the panel shows that whether or not the update passes.
  bool internalDropSetToZero = false;
};

// Runs the checks of the chosen method in order and computes the settings.
// Negative pressures and drops are refused like text that is not a number.
// A number too large to convert fails with error 6.
SupplyEvaluation EvaluateSupplyUpdate(const SupplyPanelInput& input);

// The version text a supply update writes for a unit system.
std::string SupplyVersionText(const std::string& unitSystem);

// Writes the settings into the root (attributes by position, calculationType
// and DualSystem by name); the unit system follows the version written. A
// root without its seven attributes or either element fails before anything
// is written.
void ApplySupplySettings(pugi::xml_document& doc, const SupplySettings& settings);

}  // namespace cv
