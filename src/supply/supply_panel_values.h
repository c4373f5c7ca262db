// What the supply panel shows for a project document, and the program state
// the document implies: project loading reads all of it first and touches
// the panel only when the whole document could be read.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "supply/supply_boxes.h"

namespace cv {

struct SupplyPanelValues {
  std::string unitSystem;   // the third "-" part of version, else "English"
  bool efvPresent = false;  // EFVEnabled is "True"
  bool dualSystem = false;  // DualSystemFlag

  int gasIndex = 0;  // GasTypeIndexOf(gasType), -1 for an unknown name
  SupplyMethod method = SupplyMethod::Fixed;
  int supplyPreset = 0;    // cboSupplyPressure position, -1: no selection
  int internalPreset = 0;  // cboInternalPressure position, -1: no selection
  // The fixed method's internal-pressure frame, label and list are shown.
  bool fixedHighFrames = false;
  // The dual check boxes; the fixed method leaves them as they are.
  std::optional<bool> chkMetricDualPressure;
  std::optional<bool> chkDeliveryDualPressure;
  // Every box: the values of the method in use, the others blanked as the
  // clear procedures and the open command leave them.
  SupplyBoxTexts boxes;
};

// Reads the root of a project document. A document without the CVSystem
// root (91), a root without its seven attributes (9), a missing
// calculationType, EFVEnabled or DualSystem element (91) or text where a
// number belongs (13) fails.
SupplyPanelValues SupplyPanelFromDocument(const pugi::xml_document& doc);

// What the user-defined method's boxes start with when the user chooses it:
// the project's supply pressures and allowable drops converted to
// millibar. With the dual tick shown on a dual project both sections are
// filled; otherwise the first pair gets the low-pressure section and the
// other boxes stay as they are. A root without its seven attributes fails
// (9).
void FillUserDefinedStartValues(const pugi::xml_document& doc, bool dualShown,
                                SupplyBoxTexts& boxes);

}  // namespace cv
