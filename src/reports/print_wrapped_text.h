// Word-wrapped text on the printer page, as the help window prints its text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/print_surface.h"

namespace cv {

inline constexpr const char* kHelpTitle = "CORVANTA Sizer Help";

// The x a tab moves to from x: tab stops lie every ten widths of "0",
// counted from x = 0.
double NextTabStop(double x, double zeroWidth);

// Prints the text word by word between the margins (twips from the left
// and right edges of the printable page), from the current y. Blanks print
// as blanks, a line feed starts a new line, a tab moves to the next tab
// stop, a carriage return is ignored. A word that does not fit behind
// others starts a new line; a word wider than the space between the margins
// stands on a line of its own and runs past the right margin. A line that
// would pass the page bottom starts a new page.
void PrintWrappedText(PrintSurface& surface, std::string_view text, double leftMargin,
                      double rightMargin);

// Breaks one line of text into pieces that each fit the width in the
// surface's current font: after a blank or a "/" where one lies in reach,
// otherwise between two characters. A piece holds at least one character.
std::vector<std::string> FitToWidth(const PrintSurface& surface, std::string_view text,
                                    double width);

// Prints the help document: the title, then the text, and ends the document.
void PrintHelpDocument(PrintSurface& surface, std::string_view text);

}  // namespace cv
