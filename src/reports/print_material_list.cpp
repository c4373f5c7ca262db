#include "reports/print_material_list.h"

#include <algorithm>

namespace cv {

namespace {

// Extra room above every line of the list.
constexpr double kLineGap = 30;

void PrintListLines(PrintSurface& surface, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    BreakPageFor(surface, kLineGap + surface.TextHeight("X"));
    surface.SetCurrentX(800);
    surface.SetCurrentY(surface.CurrentY() + kLineGap);
    PrintLine(surface, line);
  }
}

}  // namespace

std::vector<std::string> SplitPrintLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

void PrintMaterialListJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, std::string_view materialText, int copies) {
  const std::vector<std::string> lines = SplitPrintLines(materialText);
  surface.SetFontName("Arial");
  surface.SetOrientation(PageOrientation::Portrait);
  for (int copy = 0; copy < std::max(copies, 1); ++copy) {
    const double below = PrintFirstPageTop(surface, doc, header, "Material List", 4000);
    surface.SetCurrentX(800);
    surface.SetCurrentY(5000 + below);
    surface.SetFontName("Courier New");
    PrintListLines(surface, lines);
    surface.SetFontName("Arial");
    surface.EndDocument();
  }
}

}  // namespace cv
