#include "reports/diagram_drawing.h"

#include <algorithm>
#include <cmath>

namespace cv {

namespace {

constexpr double kThinLine = 15;  // one pixel at 96 per inch
constexpr double kThickLine = 30;
constexpr double kSelectedFrame = 45;

DiagramRect LineBounds(const DiagramLine& line) {
  return {std::min(line.x1, line.x2) - kThickLine, std::min(line.y1, line.y2) - kThickLine,
          std::abs(line.x2 - line.x1) + 2 * kThickLine,
          std::abs(line.y2 - line.y1) + 2 * kThickLine};
}

DiagramRect LabelBounds(const DiagramBox& box) {
  return {box.labelX, box.labelY, box.labelWidth, DiagramLineHeight(kDiagramLabelFont)};
}

void DrawTag(DiagramCanvas& canvas, const DiagramBox& box, Colour ink) {
  const std::string_view text = DiagramMarkText(box.mark);
  const double width = box.tagWidth;
  const double x = box.rect.x + box.rect.width - kDiagramPadding - width;
  const double y = box.rect.y + kDiagramPadding;
  canvas.DrawBox(x, y, width, DiagramLineHeight(kDiagramLabelFont), ink, kDiagramMarkFill,
                 kThinLine);
  canvas.DrawText(x + kDiagramTagPadding, y, text, kDiagramLabelFont, ink);
}

void DrawBoxContent(DiagramCanvas& canvas, const DiagramBox& box, bool selected) {
  const Colour ink = box.failed ? kDiagramFailed : kDiagramInk;
  const DiagramRect& r = box.rect;
  canvas.DrawBox(r.x, r.y, r.width, r.height, selected ? kDiagramSelected : ink,
                 selected ? kDiagramSelectedFill : kDiagramPaper,
                 selected     ? kSelectedFrame
                 : box.failed ? kThickLine
                              : kThinLine);
  canvas.DrawIcon(box.iconKey, r.x + kDiagramPadding, r.y + kDiagramPadding, kDiagramIconSize);
  const double textX = r.x + 2 * kDiagramPadding + kDiagramIconSize;
  double y = r.y + kDiagramPadding;
  canvas.DrawText(textX, y, box.description, kDiagramTitleFont, ink);
  if (box.mark != DiagramMark::None) DrawTag(canvas, box, ink);
  y += std::max(kDiagramIconSize, DiagramLineHeight(kDiagramTitleFont));
  for (const std::string* text : {&box.loadText, &box.pressureText}) {
    if (text->empty()) continue;
    canvas.DrawText(textX, y, *text, kDiagramLabelFont, ink);
    y += DiagramLineHeight(kDiagramLabelFont);
  }
}

}  // namespace

void DrawDiagram(DiagramCanvas& canvas, const DiagramLayout& layout,
                 std::string_view selectedNodeId, const DiagramRect* area) {
  const auto shown = [area](const DiagramRect& r) { return !area || area->Intersects(r); };
  for (const DiagramLine& line : layout.lines) {
    if (!shown(LineBounds(line))) continue;
    const bool failed = line.run >= 0 && layout.boxes[line.run].failed;
    canvas.DrawLine(line.x1, line.y1, line.x2, line.y2, failed ? kDiagramFailed : kDiagramInk,
                    failed ? kThickLine : kThinLine);
  }
  for (const DiagramBox& box : layout.boxes) {
    if (!box.runLabel.empty() && shown(LabelBounds(box)))
      canvas.DrawText(box.labelX, box.labelY, box.runLabel, kDiagramLabelFont,
                      box.failed ? kDiagramFailed : kDiagramInk);
    if (shown(box.rect))
      DrawBoxContent(canvas, box, !selectedNodeId.empty() && box.nodeId == selectedNodeId);
  }
}

}  // namespace cv
