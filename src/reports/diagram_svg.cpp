#include "reports/diagram_svg.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "project/document.h"
#include "reports/diagram_drawing.h"

namespace cv {

namespace {

// Where a text's baseline lies below its top, in em.
constexpr double kAscent = 0.8;
constexpr double kTwipsPerPoint = 20;

// A coordinate to a tenth of a twip ("1520", "-3.5"), written from whole
// tenths: exact, locale-free and quick on megabytes of drawing.
std::string Number(double value) {
  const long long tenths = std::llround(value * 10);
  const unsigned long long magnitude = tenths < 0 ? -tenths : tenths;
  char buffer[32];
  char* end = buffer;
  if (tenths < 0) *end++ = '-';
  end = std::to_chars(end, buffer + sizeof buffer, magnitude / 10).ptr;
  if (magnitude % 10) {
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 10);
  }
  return std::string(buffer, end);
}

std::string Hex(Colour c) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (std::uint8_t part : {c.red, c.green, c.blue}) {
    text += kDigits[part >> 4];
    text += kDigits[part & 15];
  }
  return text;
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

// Writes each element straight onto the end of the text: a large network
// gives megabytes of SVG, and temporaries would cost more than the layout.
class SvgCanvas : public DiagramCanvas {
 public:
  explicit SvgCanvas(std::string& out) : out_(out) {}

  void DrawLine(double x1, double y1, double x2, double y2, Colour colour, double width) override {
    Open("line");
    Attr("x1", x1);
    Attr("y1", y1);
    Attr("x2", x2);
    Attr("y2", y2);
    Attr("stroke", colour);
    Attr("stroke-width", width);
    out_ += "/>\n";
  }

  void DrawBox(double x, double y, double width, double height, Colour stroke, Colour fill,
               double lineWidth) override {
    Rect(x, y, width, height);
    Attr("fill", fill);
    Attr("stroke", stroke);
    Attr("stroke-width", lineWidth);
    out_ += "/>\n";
  }

  void DrawText(double x, double y, std::string_view text, const CanvasFont& font,
                Colour colour) override {
    const double size = font.points * kTwipsPerPoint;
    Text(x, y + kAscent * size, size, font.bold);
    // A viewer without the fonts named fits its own to the measured width,
    // so the text still fits its box.
    Attr("textLength", TextWidth(text, font));
    out_ += " lengthAdjust=\"spacingAndGlyphs\"";
    Attr("fill", colour);
    out_ += '>';
    AppendEscaped(text);
    out_ += "</text>\n";
  }

  void DrawIcon(std::string_view iconKey, double x, double y, double size) override {
    out_ += "<g class=\"icon\">";
    Rect(x, y, size, size);
    Attr("rx", size / 6);
    Attr("fill", IconColour(iconKey));
    out_ += "/>";
    const double letters = size * 0.45;
    Text(x + size / 2, y + size / 2 + letters * 0.36, letters, true);
    out_ += " fill=\"#ffffff\" text-anchor=\"middle\">";
    AppendEscaped(IconLetters(iconKey));
    out_ += "</text></g>\n";
  }

 private:
  void Open(const char* tag) {
    out_ += '<';
    out_ += tag;
  }
  void Attr(const char* name, std::string_view value) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    out_ += value;
    out_ += '"';
  }
  void Attr(const char* name, double value) { Attr(name, Number(value)); }
  void Attr(const char* name, Colour colour) { Attr(name, Hex(colour)); }
  void Rect(double x, double y, double width, double height) {
    Open("rect");
    Attr("x", x);
    Attr("y", y);
    Attr("width", width);
    Attr("height", height);
  }
  void Text(double x, double baseline, double size, bool bold) {
    Open("text");
    Attr("x", x);
    Attr("y", baseline);
    Attr("font-size", size);
    if (bold) out_ += " font-weight=\"bold\"";
  }
  // Text as XML character data: markup escaped, and control characters that
  // XML 1.0 does not allow left out.
  void AppendEscaped(std::string_view text) {
    for (char c : text) {
      switch (c) {
        case '&':
          out_ += "&amp;";
          break;
        case '<':
          out_ += "&lt;";
          break;
        case '>':
          out_ += "&gt;";
          break;
        case '"':
          out_ += "&quot;";
          break;
        default:
          if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out_ += c;
      }
    }
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
      "\" fill=\"#ffffff\"/>\n<g font-family=\"Arial, Helvetica, 'Liberation Sans', Arimo, "
      "sans-serif\" "
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
