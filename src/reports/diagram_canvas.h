// The drawing interface the network diagram is drawn on. The screen, the
// printer, PDF and PNG files (through Qt) and SVG files (in the core) are
// canvases behind it, so every one shows the same picture.
//
// Positions and sizes are in twips (1/1440 inch) of the diagram at full
// size; a canvas maps them onto its device with its own scale.
#pragma once

#include <cstdint>
#include <string_view>

namespace cv {

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kDiagramInk{0, 0, 0};
inline constexpr Colour kDiagramPaper{255, 255, 255};
inline constexpr Colour kDiagramFailed{204, 0, 0};     // a run that could not be sized
inline constexpr Colour kDiagramSelected{0, 90, 200};  // the selected node's frame
inline constexpr Colour kDiagramSelectedFill{225, 238, 255};
inline constexpr Colour kDiagramMarkFill{255, 236, 179};  // regulator and EFV tags

struct CanvasFont {
  double points = 9;
  bool bold = false;
};

// The width of a text in one line, in twips at full size, by a table of the
// advance widths of Arial (Helvetica, Liberation Sans and Arimo share them):
// the same text always gets the same width. A character beyond ASCII counts
// a full em, wider than any Latin letter. The SVG file names these fonts.
double StandardTextWidth(std::string_view text, const CanvasFont& font) noexcept;
// The height of one line of text in the font.
double DiagramLineHeight(const CanvasFont& font) noexcept;

// What a canvas answers about its texts, so the layout can make every box
// hold them.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The width of the text in one line in the font, in twips at full size;
  // by default that of the standard table.
  virtual double TextWidth(std::string_view text, const CanvasFont& font) const {
    return StandardTextWidth(text, font);
  }
};

class DiagramCanvas : public TextMeasure {
 public:
  virtual void DrawLine(double x1, double y1, double x2, double y2, Colour colour,
                        double width) = 0;
  // A rectangle outlined in the stroke colour and filled with the fill.
  virtual void DrawBox(double x, double y, double width, double height, Colour stroke, Colour fill,
                       double lineWidth) = 0;
  // Text in one line with its top left corner at (x, y).
  virtual void DrawText(double x, double y, std::string_view text, const CanvasFont& font,
                        Colour colour) = 0;
  // The picture of a device kind (a key of the tree's image list, such as
  // "Furnace" or "kestLogo") in a square of the size.
  virtual void DrawIcon(std::string_view iconKey, double x, double y, double size) = 0;
};

}  // namespace cv
