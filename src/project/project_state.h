// The settings a project document implies: its unit system, whether it is a
// dual-pressure system and whether it holds an EFV. They are read from the
// document whenever they are needed, never kept beside it.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace cv {

// The unit system a version text names: its third "-" separated part, or
// "English" when it has fewer than three.
std::string UnitSystemFromVersion(std::string_view version);
// The unit system of the document's root version (its first attribute);
// "English" for a document without one.
std::string DocumentUnitSystem(const pugi::xml_document& doc);

// The fixed method is dual when HighSupplyAllowablePressureDrop is not 0,
// the other methods when DualSystem is "True". A missing element fails with
// error 91, a root without its attributes with error 9.
bool IsDualSystem(pugi::xml_node root);
bool IsDualSystem(const pugi::xml_document& doc);

// True when some SystemNode of the document is an EFV.
bool DocumentHasEFV(const pugi::xml_document& doc);

}  // namespace cv
