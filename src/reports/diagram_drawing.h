// Draws a laid-out network diagram on a canvas: the one piece of code
// behind the screen, the printer, PDF, PNG and SVG.
#pragma once

#include <string_view>

#include "reports/diagram_canvas.h"
#include "reports/diagram_layout.h"

namespace cv {

// Draws the diagram: lines first, then the boxes with their icons, texts
// and marks, failed runs in red and the selected node highlighted (its id,
// "CVSystem" for the gas supply, empty for none). With an area given, only
// what touches it is drawn (for a page or a window showing part of it).
void DrawDiagram(DiagramCanvas& canvas, const DiagramLayout& layout,
                 std::string_view selectedNodeId = {}, const DiagramRect* area = nullptr);

}  // namespace cv
