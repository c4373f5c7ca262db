// A tidy drawing of a tree (Walker's layout in the linear-time form of
// Buchheim, Juenger and Leipert): nodes of one depth share a row, parents
// are centred between their first and last child, children keep their
// order, neighbours in a row keep a gap, and subtrees are packed as close
// as that allows, smaller subtrees between larger ones spaced evenly.
#pragma once

#include <vector>

namespace cv {

// A node of the tree, given in pre-order (the one root first, each parent
// before its children, children in order). A node reaches leftExtent to
// the left of its centre and rightExtent to the right.
struct TidyNode {
  int parent = -1;
  double leftExtent = 0;
  double rightExtent = 0;
};

// The centre x of every node, in the order given, with the leftmost extent
// at 0. Linear in the number of nodes; needs no recursion.
std::vector<double> TidyTreeCentres(const std::vector<TidyNode>& nodes, double gap);

}  // namespace cv
