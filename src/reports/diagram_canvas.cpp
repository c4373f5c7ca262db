#include "reports/diagram_canvas.h"

namespace cv {

namespace {

constexpr double kTwipsPerPoint = 20;
// Average advance of a character in em: above that of the usual sans-serif
// fonts for mixed text, so reserved widths are rarely too short.
constexpr double kAdvance = 0.55;
constexpr double kBoldAdvance = 0.6;
constexpr double kLineSpacing = 1.2;

}  // namespace

double DiagramTextWidth(std::string_view text, const CanvasFont& font) noexcept {
  double characters = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  return characters * font.points * kTwipsPerPoint * (font.bold ? kBoldAdvance : kAdvance);
}

double DiagramLineHeight(const CanvasFont& font) noexcept {
  return font.points * kTwipsPerPoint * kLineSpacing;
}

}  // namespace cv
