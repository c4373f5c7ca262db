// The header block at the top of the first page of every printout: the
// logo, "System Settings" and the project's supply settings.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "reports/print_surface.h"

namespace cv {

// The key of the logo picture, the bitmap in the program's folder.
inline constexpr const char* kLogoPictureKey = "crvntlogo.bmp";

// What the settings block shows besides the document: the project path, the
// date and time of printing, and the texts the supply panel's lists show.
struct PrintHeader {
  std::string projectPath;
  std::string dateTime;          // current date + " " + current time
  std::string gasType;           // the gas type list
  std::string supplyPressure;    // the supply pressure list
  std::string internalPressure;  // the internal (low) pressure list
};

// The text lines of the block, top to bottom: four for a single-pressure
// project, five for a dual-pressure one (by the method; an unknown method
// gives only the first three).
std::vector<std::string> SettingsBlockLines(const pugi::xml_document& doc,
                                            const PrintHeader& header);

// Draws the block; the current font name is kept, size and boldness are
// left at 10, not bold. A line too long for the page goes on below, and
// what follows moves down: returns by how much (0 when every line fits).
double PrintSettingsBlock(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header);

// The top of a printout's first page: the settings block, then the title at
// (650, titleY) as a heading, both as far down as the block's long lines
// moved them. Returns that distance, for what the page puts below.
double PrintFirstPageTop(PrintSurface& surface, const pugi::xml_document& doc,
                         const PrintHeader& header, const std::string& title, double titleY);

}  // namespace cv
