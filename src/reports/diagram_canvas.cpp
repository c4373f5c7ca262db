#include "reports/diagram_canvas.h"

#include <array>

namespace cv {

namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kLineSpacing = 1.2;
constexpr double kWideCharacter = 1000;  // beyond ASCII, in thousandths of an em

// Advance widths of the printable ASCII characters from the blank to "~",
// in thousandths of an em.
constexpr std::array<short, 95> kRegular = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p to ~
constexpr std::array<short, 95> kBold = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // 0 to ?
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // P to _
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // ` to o
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};      // p to ~

}  // namespace

double StandardTextWidth(std::string_view text, const CanvasFont& font) noexcept {
  const std::array<short, 95>& widths = font.bold ? kBold : kRegular;
  double thousandths = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
      thousandths += widths[byte - 0x20];
    else if (byte >= 0xC0)  // the first byte of a character beyond ASCII
      thousandths += kWideCharacter;
  }
  return thousandths / 1000 * font.points * kTwipsPerPoint;
}

double DiagramLineHeight(const CanvasFont& font) noexcept {
  return font.points * kTwipsPerPoint * kLineSpacing;
}

}  // namespace cv
