// The material list printout: the settings block and the lines of the
// material list in a fixed-pitch font.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "reports/print_settings_block.h"
#include "reports/print_surface.h"

namespace cv {

// The lines of a multi-line text: split at each CR LF (a bare LF, as a text
// box hands it back, counts the same).
std::vector<std::string> SplitPrintLines(std::string_view text);

// Prints the material list document copies times: the settings block,
// "Material List" and the lines in "Courier New", each copy a document of
// its own. A list longer than the page goes on at the top of the next page.
void PrintMaterialListJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, std::string_view materialText, int copies);

}  // namespace cv
