#include "reports/print_layout.h"

#include <algorithm>
#include <cctype>

#include "project/document.h"

namespace cv {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char p, char q) {
    return std::tolower(static_cast<unsigned char>(p)) ==
           std::tolower(static_cast<unsigned char>(q));
  });
}

// One drawing of the network: the running node number and the page the
// drawing is on.
class LayoutDrawing {
 public:
  LayoutDrawing(PrintSurface& surface, const LayoutMetrics& metrics)
      : surface_(surface),
        rowHeight_(surface.TextHeight("X")),
        childStep_(10 * metrics.imageHeightPixels),
        nodeHeight_(std::max(rowHeight_, metrics.imageHeightPixels * kTwipsPerPixel)) {}

  // Draws the node with its top left corner at the current position, then
  // its children below it.
  void DrawNode(pugi::xml_node node) {
    const double x0 = surface_.CurrentX();
    const double y0 = surface_.CurrentY();
    std::string label = FieldText(node, "description");
    if (IsSystemNode(node)) label += "  [" + std::to_string(++nodeNumber_) + "] ";
    surface_.DrawPicture(LayoutImageKey(node), x0, y0);
    surface_.SetCurrentX(x0 + 400);
    PrintLine(surface_, label);
    const double labelBottom = surface_.CurrentY();
    const int labelPage = page_;
    for (pugi::xml_node child : ChildSystemNodes(node))
      DrawChild(child, x0, labelBottom, labelPage);
  }

  // Puts a top-level element at the current position (on a new page when
  // the page is full) and draws it.
  void DrawTop(pugi::xml_node node) {
    if (BreakPageFor(surface_, nodeHeight_)) ++page_;
    DrawNode(node);
  }

 private:
  void DrawChild(pugi::xml_node child, double x0, double labelBottom, int labelPage) {
    double r = surface_.CurrentY();
    surface_.SetCurrentY(r + childStep_);
    if (BreakPageFor(surface_, nodeHeight_)) {
      // The connector goes on from the top of the new page.
      ++page_;
      r = kContinuationTop;
      surface_.SetCurrentY(r + childStep_);
    }
    const double connectorX = x0 + 250;
    const double childX = x0 + 500;
    const double lineTop = page_ == labelPage ? labelBottom : kContinuationTop;
    const double elbowY = r + rowHeight_;
    surface_.DrawLine(connectorX, lineTop, connectorX, elbowY);
    surface_.DrawLine(connectorX, elbowY, childX, elbowY);
    surface_.SetCurrentX(childX);
    DrawNode(child);
  }

  PrintSurface& surface_;
  const double rowHeight_;   // the height of "X"
  const double childStep_;   // from one row's end to the next row's top
  const double nodeHeight_;  // what a row needs on the page
  int nodeNumber_ = 0;
  int page_ = 0;
};

}  // namespace

int FindImageIndex(std::string_view key) noexcept {
  for (size_t i = 0; i < kLayoutImageKeys.size(); ++i)
    if (EqualIgnoringCase(kLayoutImageKeys[i], key)) return static_cast<int>(i) + 1;
  return -1;
}

std::string LayoutImageKey(pugi::xml_node node) {
  int index = -1;
  if (IsSystemNode(node)) index = FindImageIndex(FieldText(node, "appliance"));
  if (index < 0) index = FindImageIndex(kSupplyImageKey);
  return std::string(kLayoutImageKeys[index - 1]);
}

void DrawLayout(PrintSurface& surface, const pugi::xml_document& doc,
                const LayoutMetrics& metrics) {
  LayoutDrawing drawing(surface, metrics);
  const double x = surface.CurrentX();
  for (pugi::xml_node element : doc.children()) {
    if (!IsSystemRoot(element) && !IsSystemNode(element)) continue;
    surface.SetCurrentX(x);
    drawing.DrawTop(element);
  }
}

void PrintDesignLayoutJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, int copies, const LayoutMetrics& metrics) {
  surface.SetFontName("Arial");
  surface.SetOrientation(PageOrientation::Landscape);
  for (int copy = 0; copy < std::max(copies, 1); ++copy) {
    const double below = PrintFirstPageTop(surface, doc, header, "System Layout", 3500);
    surface.SetCurrentX(2000);
    surface.SetCurrentY(4000 + below);
    DrawLayout(surface, doc, metrics);
    surface.EndDocument();
  }
}

}  // namespace cv
