// The drawing surface printouts are drawn on: a page with a current
// position, a font and an orientation. The window program draws on a
// printer; tests draw on a surface that records what was drawn.
//
// Positions and sizes are in twips (1/1440 inch) from the top left corner of
// the printable page.
#pragma once

#include <string>

#include "reports/diagram_canvas.h"

namespace cv {

// A picture drawn in its own size counts 15 twips per pixel (96 per inch).
inline constexpr double kTwipsPerPixel = 15;

// Where a printout goes on after a page break, and how close to the bottom
// of the printable page a line may come.
inline constexpr double kContinuationTop = 1000;
inline constexpr double kBottomMargin = 720;

enum class PageOrientation { Portrait = 1, Landscape = 2 };

class PrintSurface {
 public:
  virtual ~PrintSurface() = default;

  // Takes effect from the next page begun.
  virtual void SetOrientation(PageOrientation orientation) = 0;
  virtual void SetFontName(const std::string& name) = 0;
  virtual void SetFontSize(double points) = 0;
  virtual void SetFontBold(bool bold) = 0;
  virtual void SetFontUnderline(bool underline) = 0;

  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;

  // Prints the text with its top at the current position and leaves the
  // position behind it.
  virtual void PrintInline(const std::string& text) = 0;
  // Moves to the start of the next line: x to 0, y down by one line.
  virtual void NewLine() = 0;

  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;

  // Draws the picture with this key in its own size, or scaled to the size.
  // A picture that cannot be found fails with error 53.
  virtual void DrawPicture(const std::string& key, double x, double y) = 0;
  virtual void DrawPicture(const std::string& key, double x, double y, double width,
                           double height) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;

  // The colour and width of the lines and texts drawn from now on; a
  // surface without colour draws everything in black. Ending a document
  // goes back to black lines of the surface's own width (widthTwips 0).
  virtual void SetInk(Colour colour, double widthTwips) {
    (void)colour;
    (void)widthTwips;
  }
  // Fills a rectangle with the colour; a surface without colour leaves it.
  virtual void FillBox(double x, double y, double width, double height, Colour colour) {
    (void)x, (void)y, (void)width, (void)height, (void)colour;
  }
  // Keeps drawing inside the rectangle until ClearClip; a surface that
  // cannot clip draws everything.
  virtual void SetClip(double x, double y, double width, double height) {
    (void)x, (void)y, (void)width, (void)height;
  }
  virtual void ClearClip() {}

  // Ends the page; drawing goes on at the top of the next one.
  virtual void NewPage() = 0;
  // Ends the document: its pages go to the printer as one document.
  virtual void EndDocument() = 0;

  // The printable page, for the current orientation.
  virtual double PageWidth() const = 0;
  virtual double PageHeight() const = 0;
};

// Prints the text and moves to the start of the next line.
void PrintLine(PrintSurface& surface, const std::string& text);

// Prints the text at (x, y) in the current font, bold or not, at the size.
void PrintAt(PrintSurface& surface, double x, double y, double points, bool bold,
             const std::string& text);

// Prints a heading at (x, y), bold at size 14, and leaves the font at size
// 10, not bold.
void PrintHeading(PrintSurface& surface, double x, double y, const std::string& text);

// True when a block of this height, put at the current y, would come closer
// to the page bottom than the bottom margin.
bool RunsPastPage(const PrintSurface& surface, double height);

// When a block of this height does not fit below the current y, begins a
// new page and puts y at its continuation top. Returns whether it did.
bool BreakPageFor(PrintSurface& surface, double height);

}  // namespace cv
