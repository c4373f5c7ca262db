// Which run on the path to the gas source grows when a run fails its test:
// a run may grow only while its parent is strictly bigger, or while the
// parent cannot or must not change; otherwise the parent grows first and the
// run falls back to its smallest size, like the digits of a counter.
#pragma once

#include <pugixml.hpp>
#include <string_view>

#include "sizing/calc_context.h"

namespace cv {

// True when it enlarged the node or an ancestor, false when nothing on the
// path may grow.
bool CoordinateParentSize(pugi::xml_node node, const CalcContext& ctx);

// True when the parent's size has the higher capacity: its drop on a
// reference run (500 kBTU/h over 100 ft of the project's gas), rounded to
// two decimals, is strictly smaller than the node's.
bool ParentHasHigherCapacity(std::string_view nodeSize, std::string_view nodeMaterial,
                             std::string_view parentSize, std::string_view parentMaterial,
                             std::string_view gasType);

}  // namespace cv
