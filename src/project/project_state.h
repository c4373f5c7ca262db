// The program state a loaded project implies: its unit system, whether it
// holds an EFV and whether it is a dual-pressure system.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "project/program_state.h"

namespace cv {

// The unit system a version text names: its third "-" separated part, or
// "English" when it has fewer than three.
std::string UnitSystemFromVersion(std::string_view version);

// Sets UnitSystem, EFVPresent and DualSystemFlag from the document: the
// fixed method is dual when HighSupplyAllowablePressureDrop is not 0, the
// other methods when DualSystem is "True". A missing element fails with
// error 91, a root without its attributes with error 9.
void DeriveStateFromDocument(const pugi::xml_document& doc, ProgramState& state);

// Whether the document is a dual-pressure system, as DeriveStateFromDocument
// decides it.
bool IsDualSystem(const pugi::xml_document& doc);

// True when some SystemNode of the document is an EFV.
bool DocumentHasEFV(const pugi::xml_document& doc);

}  // namespace cv
