// The layout of the network diagram: the gas supply at the top, every node
// a box below its parent, every run a line from the parent down to its
// node labelled with the run's size and length. A tidy tree: parents are
// centred over their children, children keep document order, no two boxes
// overlap, and the same document always gives the same layout. Computed in
// time linear in the number of nodes.
//
// Positions are in twips of the diagram at full size (see diagram_canvas.h),
// with (0, 0) at the top left corner of the whole drawing.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "reports/diagram_canvas.h"

namespace cv {

// The fonts of the diagram at full size; a page must not shrink them below
// kDiagramMinimumPoints.
inline constexpr CanvasFont kDiagramTitleFont{9, true};   // the description
inline constexpr CanvasFont kDiagramLabelFont{8, false};  // run, load, pressure
inline constexpr double kDiagramMinimumPoints = 6;

// Inside a box: the padding around its content and the icon's size; the
// description starts right of the icon, the load and pressure below it.
inline constexpr double kDiagramPadding = 80;
inline constexpr double kDiagramIconSize = 300;

struct DiagramRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  bool Contains(double px, double py) const noexcept;
  bool Intersects(const DiagramRect& other) const noexcept;
};

enum class DiagramMark { None, Regulator, Efv };
// The tag's text: "REG", "EFV", or empty.
std::string_view DiagramMarkText(DiagramMark mark) noexcept;
inline constexpr double kDiagramTagPadding = 40;

struct DiagramBox {
  std::string nodeId;  // the SystemNode's id; "CVSystem" for the gas supply
  int parent = -1;     // index of the parent's box; -1 for the gas supply
  int depth = 0;       // 0 for the gas supply, 1 for the runs from it
  DiagramRect rect;    // the node's box
  std::string iconKey;
  std::string description;
  // The run from the parent, in the project's units, rounded for reading
  // ("20A CSST", "25 ft"); empty for the gas supply. The label stands beside
  // the run's line with its top left corner at (labelX, labelY).
  std::string sizeText;
  std::string lengthText;
  std::string runLabel;  // sizeText + "  " + lengthText, or the one that is set
  double labelX = 0;
  double labelY = 0;
  double labelWidth = 0;  // as the canvas measures it
  // For appliances: the load and the delivered pressure ("40 kBTU",
  // "6.8 in WC"); empty for other kinds.
  std::string loadText;
  std::string pressureText;
  DiagramMark mark = DiagramMark::None;
  double tagWidth = 0;  // of the tag that holds the mark's text; 0 for none
  bool failed = false;  // the last calculation could not size this run
};

// One straight piece of the lines between boxes. A piece that belongs to a
// single run names that run's box (to draw a failed run in red); the stem
// below a parent, shared by all its runs, has run -1.
struct DiagramLine {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  int run = -1;
};

struct DiagramLayout {
  std::vector<DiagramBox> boxes;  // pre-order: the gas supply first
  std::vector<DiagramLine> lines;
  double width = 0;  // the whole drawing, margins included
  double height = 0;
  // The boxes of each depth, left to right, for looking up a point.
  std::vector<std::vector<int>> rows;
};

// Lays out the calculated document, every box made wide enough for its
// texts as the canvas that will draw them measures them. failedRunIds are
// the ids of the runs the last calculation could not size (any order). The
// units are those of the project: metric for the user-defined method.
DiagramLayout LayOutDiagram(const pugi::xml_document& doc,
                            const std::vector<std::string>& failedRunIds = {},
                            const TextMeasure& measure = TextMeasure());

// The index of the box under the point, or -1 (logarithmic in the width of
// a row).
int BoxAt(const DiagramLayout& layout, double x, double y) noexcept;
// The index of the box of the node with this id ("CVSystem" for the gas
// supply, as the tree's key), or -1.
int FindBox(const DiagramLayout& layout, std::string_view nodeId) noexcept;

}  // namespace cv
