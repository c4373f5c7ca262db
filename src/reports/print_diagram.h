// The diagram printout: the settings block and the network diagram, scaled
// to fit one page when its labels stay readable, otherwise spread over
// several pages in reading order.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "reports/diagram_layout.h"
#include "reports/print_settings_block.h"
#include "reports/print_surface.h"

namespace cv {

// How the diagram goes onto pages: one scale for all, and the grid of
// pieces. One piece: the whole diagram below the settings block of the
// first page. More: the first page holds the settings block, and each
// piece that holds part of the drawing follows on a page of its own, in
// reading order; an empty piece of the grid is not printed.
struct DiagramPages {
  struct Piece {
    int row = 1;  // from 1
    int column = 1;
  };
  bool firstPage = false;  // the whole diagram below the settings block
  double scale = 1;        // page twips per diagram twip
  int columns = 1;
  int rows = 1;
  double pieceWidth = 0;  // of the diagram, in its own twips
  double pieceHeight = 0;
  std::vector<Piece> pieces;  // those printed
  int Count() const noexcept { return static_cast<int>(pieces.size()); }
};

// Texts measured in the surface's fonts at full size, for laying out a
// diagram to be printed on it (the surface's font is left changed).
class PrintTextMeasure : public TextMeasure {
 public:
  explicit PrintTextMeasure(PrintSurface& surface);
  double TextWidth(std::string_view text, const CanvasFont& font) const override;

 private:
  PrintSurface& surface_;
};

// The scale and grid for a diagram on pages of the given printable size,
// where the first page keeps firstPageTop twips for the settings block.
// The diagram's labels never shrink below kDiagramMinimumPoints.
DiagramPages PlanDiagramPages(const DiagramLayout& layout, double pageWidth, double pageHeight,
                              double firstPageTop);

// The caption of the printed piece at index: "Diagram page 2 of 4, row 1,
// column 2".
std::string DiagramPageCaption(const DiagramPages& pages, int index);

// Prints the diagram document copies times: the settings block, "System
// Diagram" and the diagram on one or more pages, each copy a document of
// its own.
void PrintDiagramJob(PrintSurface& surface, const pugi::xml_document& doc,
                     const DiagramLayout& layout, const PrintHeader& header, int copies);

}  // namespace cv
