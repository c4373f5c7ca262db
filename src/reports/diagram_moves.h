// Moving between the diagram's boxes with the arrow keys: up to the parent,
// down to the first child, left and right to the siblings, in the same
// order as the tree.
#pragma once

#include "reports/diagram_layout.h"

namespace cv {

enum class DiagramMove { Parent, FirstChild, PreviousSibling, NextSibling };

// The box the move reaches from box; box itself when there is none that
// way (the gas supply has no parent, a last sibling no next one).
int DiagramStep(const DiagramLayout& layout, int box, DiagramMove move) noexcept;

}  // namespace cv
