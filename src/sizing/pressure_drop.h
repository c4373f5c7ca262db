// The pressure-drop law of tubing and pipe, and the walk that turns segment
// drops into the supply, drop and delivered pressures of every run on the
// path from the gas source (the gas supply or the nearest regulator).
#pragma once

#include <pugixml.hpp>
#include <string_view>

#include "sizing/calc_context.h"

namespace cv {

// The unrounded drop of a run of the law, in inches of water column.
// A size outside the material's list fails with error 9; a negative load or
// an overflow with errors 5 and 6. Unknown materials and gases give 0.
double LawPressureDrop(double load, double length, std::string_view material, std::string_view size,
                       std::string_view gasType);

// A drop as the law gives it: error 5 for not-a-number (a negative load),
// 6 for an overflow.
double CheckedDrop(double value);

// segmentOnly: the node's rounded drop, EFV drop included; nothing written.
// Otherwise the rounded cumulative drop from the node's source, writing
// SupplyPressure, PressureDrop and DeliveredPressure of the node and of
// every ancestor up to the source.
double PressureDropToSource(pugi::xml_node node, bool segmentOnly, const CalcContext& ctx);

bool HasRegulatorAncestor(pugi::xml_node node);
bool IsApplianceOrRegulator(pugi::xml_node element);
bool IsHighPressureSideNode(pugi::xml_node element);

}  // namespace cv
