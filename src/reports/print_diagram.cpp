#include "reports/print_diagram.h"

#include <algorithm>
#include <cmath>

#include "reports/diagram_drawing.h"

namespace cv {

namespace {

constexpr double kSideMargin = 500;
constexpr double kDiagramTop = 4000;  // on the first page, below the title
constexpr double kTitleY = 3500;
constexpr double kCaptionY = 500;

// The diagram drawn on a print surface at a scale, its top left corner at
// an origin of the page.
class PrintCanvas : public DiagramCanvas {
 public:
  PrintCanvas(PrintSurface& surface, double scale, double originX, double originY)
      : surface_(surface), scale_(scale), originX_(originX), originY_(originY) {}

  void DrawLine(double x1, double y1, double x2, double y2, Colour colour, double width) override {
    surface_.SetInk(colour, width * scale_);
    surface_.DrawLine(X(x1), Y(y1), X(x2), Y(y2));
  }

  void DrawBox(double x, double y, double width, double height, Colour stroke, Colour fill,
               double lineWidth) override {
    surface_.FillBox(X(x), Y(y), width * scale_, height * scale_, fill);
    surface_.SetInk(stroke, lineWidth * scale_);
    const double left = X(x), top = Y(y), right = X(x + width), bottom = Y(y + height);
    surface_.DrawLine(left, top, right, top);
    surface_.DrawLine(right, top, right, bottom);
    surface_.DrawLine(right, bottom, left, bottom);
    surface_.DrawLine(left, bottom, left, top);
  }

  void DrawText(double x, double y, std::string_view text, const CanvasFont& font,
                Colour colour) override {
    surface_.SetFontSize(font.points * scale_);
    surface_.SetFontBold(font.bold);
    surface_.SetInk(colour, 0);
    surface_.SetCurrentX(X(x));
    surface_.SetCurrentY(Y(y));
    surface_.PrintInline(std::string(text));
  }

  void DrawIcon(std::string_view iconKey, double x, double y, double size) override {
    surface_.DrawPicture(std::string(iconKey), X(x), Y(y), size * scale_, size * scale_);
  }

  double TextWidth(std::string_view text, const CanvasFont& font) const override {
    return PrintTextMeasure(surface_).TextWidth(text, font);
  }

 private:
  double X(double x) const { return originX_ + x * scale_; }
  double Y(double y) const { return originY_ + y * scale_; }

  PrintSurface& surface_;
  const double scale_;
  const double originX_;
  const double originY_;
};

// Draws the part of the diagram in the area (its own twips) with the area's
// top left corner at the page position, clipped to it.
void DrawPiece(PrintSurface& surface, const DiagramLayout& layout, double scale,
               const DiagramRect& area, double pageX, double pageY) {
  surface.SetClip(pageX, pageY, area.width * scale, area.height * scale);
  PrintCanvas canvas(surface, scale, pageX - area.x * scale, pageY - area.y * scale);
  DrawDiagram(canvas, layout, {}, &area);
  surface.ClearClip();
  surface.SetInk(kDiagramInk, 0);
  surface.SetFontSize(10);
  surface.SetFontBold(false);
}

DiagramRect PieceArea(const DiagramPages& pages, int row, int column) {
  return {(column - 1) * pages.pieceWidth, (row - 1) * pages.pieceHeight, pages.pieceWidth,
          pages.pieceHeight};
}

// Whether drawing the area would draw anything: the drawing code's own
// choice of what falls in an area decides.
class DrawnProbe : public DiagramCanvas {
 public:
  void DrawLine(double, double, double, double, Colour, double) override { drawn = true; }
  void DrawBox(double, double, double, double, Colour, Colour, double) override { drawn = true; }
  void DrawText(double, double, std::string_view, const CanvasFont&, Colour) override {
    drawn = true;
  }
  void DrawIcon(std::string_view, double, double, double) override { drawn = true; }
  bool drawn = false;
};

std::vector<DiagramPages::Piece> PiecesWithDrawing(const DiagramLayout& layout,
                                                   const DiagramPages& pages) {
  std::vector<DiagramPages::Piece> pieces;
  for (int row = 1; row <= pages.rows; ++row)
    for (int column = 1; column <= pages.columns; ++column) {
      DrawnProbe probe;
      const DiagramRect area = PieceArea(pages, row, column);
      DrawDiagram(probe, layout, {}, &area);
      if (probe.drawn) pieces.push_back({row, column});
    }
  return pieces;
}

void PrintPieces(PrintSurface& surface, const DiagramLayout& layout, const DiagramPages& pages) {
  for (int i = 0; i < pages.Count(); ++i) {
    surface.NewPage();
    PrintAt(surface, kSideMargin, kCaptionY, 10, false, DiagramPageCaption(pages, i));
    const DiagramPages::Piece piece = pages.pieces[i];
    DrawPiece(surface, layout, pages.scale, PieceArea(pages, piece.row, piece.column), kSideMargin,
              kContinuationTop);
  }
}

}  // namespace

PrintTextMeasure::PrintTextMeasure(PrintSurface& surface) : surface_(surface) {
  surface_.SetFontName("Arial");
}

double PrintTextMeasure::TextWidth(std::string_view text, const CanvasFont& font) const {
  surface_.SetFontSize(font.points);
  surface_.SetFontBold(font.bold);
  return surface_.TextWidth(std::string(text));
}

DiagramPages PlanDiagramPages(const DiagramLayout& layout, double pageWidth, double pageHeight,
                              double firstPageTop) {
  const double width = std::max(pageWidth - 2 * kSideMargin, 1.0);
  const double firstHeight = std::max(pageHeight - kBottomMargin - firstPageTop, 1.0);
  const double fit =
      std::min({1.0, width / layout.width, firstHeight / std::max(layout.height, 1.0)});
  const double smallest = kDiagramMinimumPoints / kDiagramLabelFont.points;
  if (fit >= smallest) return {true, fit, 1, 1, layout.width, layout.height, {{1, 1}}};
  const double pieceHeight = std::max(pageHeight - kBottomMargin - kContinuationTop, 1.0);
  DiagramPages pages;
  pages.scale = smallest;
  pages.pieceWidth = width / smallest;
  pages.pieceHeight = pieceHeight / smallest;
  pages.columns = static_cast<int>(std::ceil(layout.width / pages.pieceWidth));
  pages.rows = static_cast<int>(std::ceil(layout.height / pages.pieceHeight));
  pages.pieces = PiecesWithDrawing(layout, pages);
  return pages;
}

std::string DiagramPageCaption(const DiagramPages& pages, int index) {
  const DiagramPages::Piece piece = pages.pieces[index];
  return "Diagram page " + std::to_string(index + 1) + " of " + std::to_string(pages.Count()) +
         ", row " + std::to_string(piece.row) + ", column " + std::to_string(piece.column);
}

void PrintDiagramJob(PrintSurface& surface, const pugi::xml_document& doc,
                     const DiagramLayout& layout, const PrintHeader& header, int copies) {
  surface.SetFontName("Arial");
  surface.SetOrientation(PageOrientation::Landscape);
  for (int copy = 0; copy < std::max(copies, 1); ++copy) {
    const double top =
        kDiagramTop + PrintFirstPageTop(surface, doc, header, "System Diagram", kTitleY);
    const DiagramPages pages =
        PlanDiagramPages(layout, surface.PageWidth(), surface.PageHeight(), top);
    if (pages.firstPage) {
      const double spare = surface.PageWidth() - 2 * kSideMargin - layout.width * pages.scale;
      DrawPiece(surface, layout, pages.scale, {0, 0, layout.width, layout.height},
                kSideMargin + std::max(spare, 0.0) / 2, top);
    } else {
      PrintPieces(surface, layout, pages);
    }
    surface.EndDocument();
  }
}

}  // namespace cv
