#include "reports/diagram_moves.h"

namespace cv {
namespace {

// The boxes are in pre-order: a box's subtree follows it, and the first box
// after the subtree that is no deeper is its next sibling, or beyond them.
int NextSibling(const std::vector<DiagramBox>& boxes, int box) {
  const DiagramBox& from = boxes[static_cast<size_t>(box)];
  for (size_t next = static_cast<size_t>(box) + 1; next < boxes.size(); ++next)
    if (boxes[next].depth <= from.depth)
      return boxes[next].parent == from.parent ? static_cast<int>(next) : box;
  return box;
}

int PreviousSibling(const std::vector<DiagramBox>& boxes, int box) {
  const DiagramBox& from = boxes[static_cast<size_t>(box)];
  for (int previous = box - 1; previous > from.parent; --previous)
    if (boxes[static_cast<size_t>(previous)].parent == from.parent) return previous;
  return box;
}

}  // namespace

int DiagramStep(const DiagramLayout& layout, int box, DiagramMove move) noexcept {
  const std::vector<DiagramBox>& boxes = layout.boxes;
  if (box < 0 || static_cast<size_t>(box) >= boxes.size()) return box;
  const DiagramBox& from = boxes[static_cast<size_t>(box)];
  switch (move) {
    case DiagramMove::Parent:
      return from.parent < 0 ? box : from.parent;
    case DiagramMove::FirstChild: {
      const size_t next = static_cast<size_t>(box) + 1;
      return next < boxes.size() && boxes[next].parent == box ? static_cast<int>(next) : box;
    }
    case DiagramMove::PreviousSibling:
      return from.parent < 0 ? box : PreviousSibling(boxes, box);
    case DiagramMove::NextSibling:
      return from.parent < 0 ? box : NextSibling(boxes, box);
  }
  return box;
}

}  // namespace cv
