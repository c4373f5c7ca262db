// The texts of a node in the network diagram, in the project's units and
// rounded for reading.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace cv {

struct NodeTexts {
  std::string size;    // the stored size, as the material list names it
  std::string length;  // "25 ft", "7.6 m"
  std::string load;    // "88 kBTU", "22.2 kCal"; appliances only
  // Delivered, appliances only: "6.85 in WC", "17.05 mb", "1.95 psi" on the
  // high-pressure side of a dual system, "-" when not computed.
  std::string pressure;
};

// True for appliances: every kind but fittings, regulators and EFVs.
bool IsApplianceKind(std::string_view kind) noexcept;

NodeTexts DiagramNodeTexts(pugi::xml_node node, bool metric, bool dualSystem);

}  // namespace cv
