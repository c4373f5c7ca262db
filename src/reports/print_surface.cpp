#include "reports/print_surface.h"

namespace cv {

void PrintLine(PrintSurface& surface, const std::string& text) {
  surface.PrintInline(text);
  surface.NewLine();
}

void PrintAt(PrintSurface& surface, double x, double y, double points, bool bold,
             const std::string& text) {
  surface.SetCurrentX(x);
  surface.SetCurrentY(y);
  surface.SetFontBold(bold);
  surface.SetFontSize(points);
  PrintLine(surface, text);
}

void PrintHeading(PrintSurface& surface, double x, double y, const std::string& text) {
  PrintAt(surface, x, y, 14, true, text);
  surface.SetFontSize(10);
  surface.SetFontBold(false);
}

bool RunsPastPage(const PrintSurface& surface, double height) {
  return surface.CurrentY() + height > surface.PageHeight() - kBottomMargin;
}

bool BreakPageFor(PrintSurface& surface, double height) {
  // A page that cannot hold the block even when empty keeps it: a new page
  // would not help, and a loop of empty pages must not start.
  if (!RunsPastPage(surface, height) || surface.CurrentY() <= kContinuationTop) return false;
  surface.NewPage();
  surface.SetCurrentY(kContinuationTop);
  return true;
}

}  // namespace cv
