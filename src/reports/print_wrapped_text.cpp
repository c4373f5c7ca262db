#include "reports/print_wrapped_text.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace cv {

namespace {

bool IsSeparator(char c) noexcept {
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' || u == 0x7f;
}

class WrappedPrinter {
 public:
  WrappedPrinter(PrintSurface& surface, double leftMargin, double rightMargin)
      : surface_(surface),
        left_(leftMargin),
        right_(surface.PageWidth() - rightMargin),
        lineHeight_(surface.TextHeight("X")),
        zeroWidth_(surface.TextWidth("0")) {}

  void Print(std::string_view text) {
    surface_.SetCurrentX(left_);
    size_t i = 0;
    while (i < text.size()) {
      size_t end = i;
      while (end < text.size() && !IsSeparator(text[end])) ++end;
      if (end > i) PrintWord(std::string(text.substr(i, end - i)));
      for (i = end; i < text.size() && IsSeparator(text[i]); ++i) Separate(text[i]);
    }
  }

 private:
  void PrintWord(const std::string& word) {
    // Only a word behind others moves down: a word too wide for any line
    // keeps the line it starts.
    if (surface_.CurrentX() > left_ && surface_.CurrentX() + surface_.TextWidth(word) > right_)
      StartLine();
    surface_.PrintInline(word);
  }

  void Separate(char c) {
    switch (c) {
      case ' ':
        surface_.PrintInline(" ");
        break;
      case '\n':
        StartLine();
        break;
      case '\t':
        surface_.SetCurrentX(NextTabStop(surface_.CurrentX(), zeroWidth_));
        break;
      default:  // a carriage return, or another control character
        break;
    }
  }

  void StartLine() {
    surface_.NewLine();
    BreakPageFor(surface_, lineHeight_);
    surface_.SetCurrentX(left_);
  }

  PrintSurface& surface_;
  const double left_;
  const double right_;
  const double lineHeight_;
  const double zeroWidth_;
};

// The end of the UTF-8 character that starts at i.
size_t CharacterEnd(std::string_view text, size_t i) {
  for (++i; i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;) ++i;
  return i;
}

// How many bytes of the text, in whole characters, fit the width.
size_t FittingPrefix(const PrintSurface& surface, std::string_view text, double width) {
  size_t fit = 0;
  for (size_t end = CharacterEnd(text, 0); end <= text.size(); end = CharacterEnd(text, end)) {
    if (surface.TextWidth(std::string(text.substr(0, end))) > width) break;
    fit = end;
    if (end == text.size()) break;
  }
  return fit;
}

}  // namespace

std::vector<std::string> FitToWidth(const PrintSurface& surface, std::string_view text,
                                    double width) {
  std::vector<std::string> pieces;
  while (!text.empty() && surface.TextWidth(std::string(text)) > width) {
    size_t cut = std::max(FittingPrefix(surface, text, width), CharacterEnd(text, 0));
    const size_t breakAfter = text.find_last_of(" /", cut - 1);
    if (breakAfter != std::string_view::npos && breakAfter > 0) cut = breakAfter + 1;
    pieces.emplace_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  pieces.emplace_back(text);
  return pieces;
}

double NextTabStop(double x, double zeroWidth) {
  if (zeroWidth <= 0) return x;
  const double n = RoundHalfEven(x / zeroWidth, 0);
  return zeroWidth * (n + 10 - std::fmod(n, 10.0));
}

void PrintWrappedText(PrintSurface& surface, std::string_view text, double leftMargin,
                      double rightMargin) {
  WrappedPrinter(surface, leftMargin, rightMargin).Print(text);
}

void PrintHelpDocument(PrintSurface& surface, std::string_view text) {
  surface.SetFontUnderline(true);
  PrintAt(surface, 1000, 1000, 16, true, kHelpTitle);
  surface.SetFontSize(10);
  surface.SetFontBold(false);
  surface.SetFontUnderline(false);
  surface.SetCurrentY(2300);
  PrintWrappedText(surface, text, 1100, 1100);
  surface.EndDocument();
}

}  // namespace cv
