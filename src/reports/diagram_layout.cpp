#include "reports/diagram_layout.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "project/document.h"
#include "project/project_state.h"
#include "reports/calculation_table.h"
#include "reports/diagram_texts.h"
#include "reports/print_layout.h"
#include "reports/tidy_tree.h"

namespace cv {

namespace {

constexpr double kMargin = 360;
constexpr double kHorizontalGap = 240;  // between neighbours in a row
constexpr double kRowGap = 760;         // from a row's bottom to the next row's top
constexpr double kBusDrop = 200;        // from a row's bottom to its children's bus
constexpr double kLabelOffset = 60;     // from a run's line to its label

DiagramMark MarkOf(std::string_view kind) {
  if (kind == "Regulator") return DiagramMark::Regulator;
  if (kind == "EFV") return DiagramMark::Efv;
  return DiagramMark::None;
}

// What every box needs of the whole document.
struct BoxContext {
  bool metric = false;
  bool dual = false;
  std::unordered_set<std::string_view> failed;
  const TextMeasure& measure;
};

// Fills a box's texts and size from its node; the position comes later.
void DescribeBox(DiagramBox& box, pugi::xml_node node, const BoxContext& context) {
  box.iconKey = LayoutImageKey(node);
  box.description = FieldText(node, "description");
  if (IsSystemNode(node)) {
    box.nodeId = NodeId(node);
    NodeTexts texts = DiagramNodeTexts(node, context.metric, context.dual);
    box.sizeText = std::move(texts.size);
    box.lengthText = std::move(texts.length);
    box.runLabel = box.sizeText.empty() ? box.lengthText : box.sizeText + "  " + box.lengthText;
    box.labelWidth = context.measure.TextWidth(box.runLabel, kDiagramLabelFont);
    box.loadText = std::move(texts.load);
    box.pressureText = std::move(texts.pressure);
    box.mark = MarkOf(FieldView(node, "appliance"));
    box.failed = context.failed.count(box.nodeId) > 0;
  } else {
    box.nodeId = kRootName;
  }
  const TextMeasure& m = context.measure;
  if (box.mark != DiagramMark::None)
    box.tagWidth =
        m.TextWidth(DiagramMarkText(box.mark), kDiagramLabelFont) + 2 * kDiagramTagPadding;
  const double textWidth = std::max({m.TextWidth(box.description, kDiagramTitleFont) +
                                         (box.tagWidth > 0 ? box.tagWidth + kDiagramPadding : 0),
                                     m.TextWidth(box.loadText, kDiagramLabelFont),
                                     m.TextWidth(box.pressureText, kDiagramLabelFont)});
  const double lines = box.loadText.empty() ? 0 : 2;
  box.rect.width = 3 * kDiagramPadding + kDiagramIconSize + textWidth;
  box.rect.height = 2 * kDiagramPadding +
                    std::max(kDiagramIconSize, DiagramLineHeight(kDiagramTitleFont)) +
                    lines * DiagramLineHeight(kDiagramLabelFont);
}

// The boxes of the gas supply and every SystemNode, in pre-order, without
// recursion (networks may nest deep).
std::vector<DiagramBox> CollectBoxes(const pugi::xml_document& doc,
                                     const std::vector<std::string>& failedRunIds,
                                     const TextMeasure& measure) {
  const BoxContext context{
      IsMetricTable(doc), IsDualSystem(doc), {failedRunIds.begin(), failedRunIds.end()}, measure};
  std::vector<DiagramBox> boxes;
  std::vector<std::pair<pugi::xml_node, int>> pending = {{ProjectRoot(doc), -1}};
  while (!pending.empty()) {
    const auto [node, parent] = pending.back();
    pending.pop_back();
    DiagramBox& box = boxes.emplace_back();
    box.parent = parent;
    box.depth = parent < 0 ? 0 : boxes[parent].depth + 1;
    DescribeBox(box, node, context);
    const int index = static_cast<int>(boxes.size()) - 1;
    for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling())
      if (IsSystemNode(child)) pending.emplace_back(child, index);
  }
  return boxes;
}

// Each row's top, with the height of its tallest box below it.
std::vector<double> RowTops(const std::vector<DiagramBox>& boxes, std::vector<double>& heights) {
  for (const DiagramBox& box : boxes) {
    if (box.depth >= static_cast<int>(heights.size())) heights.resize(box.depth + 1, 0);
    heights[box.depth] = std::max(heights[box.depth], box.rect.height);
  }
  std::vector<double> tops(heights.size(), kMargin);
  for (size_t d = 1; d < tops.size(); ++d) tops[d] = tops[d - 1] + heights[d - 1] + kRowGap;
  return tops;
}

void PlaceBoxes(DiagramLayout& layout) {
  std::vector<TidyNode> nodes;
  nodes.reserve(layout.boxes.size());
  for (const DiagramBox& box : layout.boxes) {
    const double half = box.rect.width / 2;
    const double label = box.parent < 0 ? 0 : kLabelOffset + box.labelWidth;
    nodes.push_back({box.parent, half, std::max(half, label)});
  }
  const std::vector<double> centres = TidyTreeCentres(nodes, kHorizontalGap);
  std::vector<double> heights;
  const std::vector<double> tops = RowTops(layout.boxes, heights);
  layout.rows.assign(tops.size(), {});
  for (size_t i = 0; i < layout.boxes.size(); ++i) {
    DiagramBox& box = layout.boxes[i];
    const double centre = kMargin + centres[i];
    box.rect.x = centre - box.rect.width / 2;
    box.rect.y = tops[box.depth];
    if (box.parent >= 0) {
      box.labelX = centre + kLabelOffset;
      box.labelY = tops[box.depth - 1] + heights[box.depth - 1] + kBusDrop + kLabelOffset;
    }
    layout.rows[box.depth].push_back(static_cast<int>(i));
    layout.width = std::max(layout.width, kMargin + centres[i] + nodes[i].rightExtent + kMargin);
  }
  layout.height = tops.back() + heights.back() + kMargin;
}

double CentreX(const DiagramBox& box) { return box.rect.x + box.rect.width / 2; }

// The stem below every parent, then for each run its piece of the bus and
// its drop to the node.
void ConnectBoxes(DiagramLayout& layout) {
  std::vector<bool> hasStem(layout.boxes.size(), false);
  for (size_t i = 1; i < layout.boxes.size(); ++i) {
    const DiagramBox& box = layout.boxes[i];
    const DiagramBox& parent = layout.boxes[box.parent];
    const double busY = box.labelY - kLabelOffset;
    const double px = CentreX(parent);
    if (!hasStem[box.parent]) {
      hasStem[box.parent] = true;
      layout.lines.push_back({px, parent.rect.y + parent.rect.height, px, busY, -1});
    }
    const int run = static_cast<int>(i);
    if (CentreX(box) != px) layout.lines.push_back({px, busY, CentreX(box), busY, run});
    layout.lines.push_back({CentreX(box), busY, CentreX(box), box.rect.y, run});
  }
}

}  // namespace

bool DiagramRect::Contains(double px, double py) const noexcept {
  return px >= x && px < x + width && py >= y && py < y + height;
}

bool DiagramRect::Intersects(const DiagramRect& other) const noexcept {
  return x < other.x + other.width && other.x < x + width && y < other.y + other.height &&
         other.y < y + height;
}

std::string_view DiagramMarkText(DiagramMark mark) noexcept {
  switch (mark) {
    case DiagramMark::Regulator:
      return "REG";
    case DiagramMark::Efv:
      return "EFV";
    case DiagramMark::None:
      break;
  }
  return {};
}

DiagramLayout LayOutDiagram(const pugi::xml_document& doc,
                            const std::vector<std::string>& failedRunIds,
                            const TextMeasure& measure) {
  DiagramLayout layout;
  layout.boxes = CollectBoxes(doc, failedRunIds, measure);
  PlaceBoxes(layout);
  ConnectBoxes(layout);
  return layout;
}

int BoxAt(const DiagramLayout& layout, double x, double y) noexcept {
  // The last row starting above the point, then the last box in it
  // starting left of the point.
  const auto row = std::upper_bound(
      layout.rows.begin(), layout.rows.end(), y,
      [&](double py, const std::vector<int>& r) { return py < layout.boxes[r.front()].rect.y; });
  if (row == layout.rows.begin()) return -1;
  const std::vector<int>& boxes = *std::prev(row);
  const auto box = std::upper_bound(boxes.begin(), boxes.end(), x,
                                    [&](double px, int b) { return px < layout.boxes[b].rect.x; });
  if (box == boxes.begin()) return -1;
  const int index = *std::prev(box);
  return layout.boxes[index].rect.Contains(x, y) ? index : -1;
}

int FindBox(const DiagramLayout& layout, std::string_view nodeId) noexcept {
  for (size_t i = 0; i < layout.boxes.size(); ++i)
    if (layout.boxes[i].nodeId == nodeId) return static_cast<int>(i);
  return -1;
}

}  // namespace cv
