#include "reports/diagram_svg.h"

#include <cctype>

#include "core/number_text.h"
#include "project/document.h"
#include "reports/diagram_drawing.h"

namespace cv {

namespace {

// Where a text's baseline lies below its top, in em.
constexpr double kAscent = 0.8;
constexpr double kTwipsPerPoint = 20;

std::string Number(double value) { return FormatNumber(RoundHalfEven(value, 1)); }

std::string Hex(Colour c) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (std::uint8_t part : {c.red, c.green, c.blue}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 15];
  }
  return text;
}

// Text as XML character data: markup escaped, and control characters that
// XML 1.0 does not allow left out.
std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

// The letters in an icon: the initials of its kind ("WH" for a water
// heater), "G" for the gas supply.
std::string IconLetters(std::string_view key) {
  if (key == "kestLogo" || key == "kestlogo") return "G";
  std::string letters;
  bool wordStart = true;
  for (char c : key) {
    if (wordStart && std::isalpha(static_cast<unsigned char>(c)))
      letters += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    wordStart = c == ' ';
  }
  return letters;
}

Colour IconColour(std::string_view key) {
  if (key == "kestLogo" || key == "kestlogo") return {13, 71, 161};
  if (key == "Regulator" || key == "Regulator1") return {46, 125, 50};
  if (key == "EFV") return {106, 27, 154};
  if (key == "Tee" || key == "Manifold") return {97, 97, 97};
  return {230, 81, 0};
}

class SvgCanvas : public DiagramCanvas {
 public:
  explicit SvgCanvas(std::string& out) : out_(out) {}

  void DrawLine(double x1, double y1, double x2, double y2, Colour colour, double width) override {
    out_ += "<line x1=\"" + Number(x1) + "\" y1=\"" + Number(y1) + "\" x2=\"" + Number(x2) +
            "\" y2=\"" + Number(y2) + "\" stroke=\"" + Hex(colour) + "\" stroke-width=\"" +
            Number(width) + "\"/>\n";
  }

  void DrawBox(double x, double y, double width, double height, Colour stroke, Colour fill,
               double lineWidth) override {
    out_ += "<rect" + Frame(x, y, width, height) + " fill=\"" + Hex(fill) + "\" stroke=\"" +
            Hex(stroke) + "\" stroke-width=\"" + Number(lineWidth) + "\"/>\n";
  }

  void DrawText(double x, double y, std::string_view text, const CanvasFont& font,
                Colour colour) override {
    const double size = font.points * kTwipsPerPoint;
    out_ += "<text x=\"" + Number(x) + "\" y=\"" + Number(y + kAscent * size) + "\" font-size=\"" +
            Number(size) + "\"" + (font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" +
            Hex(colour) + "\">" + Escaped(text) + "</text>\n";
  }

  void DrawIcon(std::string_view iconKey, double x, double y, double size) override {
    out_ += "<g class=\"icon\"><rect" + Frame(x, y, size, size) + " rx=\"" + Number(size / 6) +
            "\" fill=\"" + Hex(IconColour(iconKey)) + "\"/>";
    const double letters = size * 0.45;
    out_ += "<text x=\"" + Number(x + size / 2) + "\" y=\"" +
            Number(y + size / 2 + letters * 0.36) + "\" font-size=\"" + Number(letters) +
            "\" font-weight=\"bold\" fill=\"#ffffff\" text-anchor=\"middle\">" +
            Escaped(IconLetters(iconKey)) + "</text></g>\n";
  }

 private:
  static std::string Frame(double x, double y, double width, double height) {
    return " x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(width) +
           "\" height=\"" + Number(height) + "\"";
  }

  std::string& out_;
};

}  // namespace

std::string DiagramSvg(const DiagramLayout& layout) {
  const std::string width = Number(layout.width), height = Number(layout.height);
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      Number(layout.width / kTwipsPerPoint) + "pt\" height=\"" +
      Number(layout.height / kTwipsPerPoint) + "pt\" viewBox=\"0 0 " + width + " " + height +
      "\">\n<rect x=\"0\" y=\"0\" width=\"" + width + "\" height=\"" + height +
      "\" fill=\"#ffffff\"/>\n<g font-family=\"Arial, Helvetica, sans-serif\" "
      "xml:space=\"preserve\">\n";
  out.reserve(out.size() + layout.boxes.size() * 900);
  SvgCanvas canvas(out);
  DrawDiagram(canvas, layout);
  out += "</g>\n</svg>\n";
  return out;
}

void WriteDiagramSvg(const DiagramLayout& layout, const std::string& path) {
  WriteFileReplacing(path, DiagramSvg(layout));
}

}  // namespace cv
