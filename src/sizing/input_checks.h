// What a calculation refuses before it sizes anything: lengths and loads a
// file may hold but no network can have.
#pragma once

#include <pugixml.hpp>

namespace cv {

// Lengths and loads beyond this (feet, kBTU per hour) are refused: no
// building comes near, and the pressures stay finite below it.
inline constexpr double kMaxRunQuantity = 1e9;

// Fails with error 5, naming the node and the field, when the run's length
// or an appliance's load is negative or above kMaxRunQuantity (text that is
// not a number fails with error 13, a missing field or appliance with 91).
// Fittings' loads are not read: the calculation writes them.
void CheckRunInput(pugi::xml_node node);

}  // namespace cv
