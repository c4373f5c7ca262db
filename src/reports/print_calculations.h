// The calculations printout: the settings block and the calculation table,
// every run with its size, length, load and pressures.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "reports/print_settings_block.h"
#include "reports/print_surface.h"

namespace cv {

// Written behind the reference number of a run that is not sized, and
// explained below the table.
inline constexpr const char* kNotSizedMark = "*";
inline constexpr const char* kNotSizedNote = "* not sized by the last calculation";

// Prints the calculations document copies times: the settings block,
// "Calculations" and the table in landscape, headers wrapped in their
// columns. A row that does not fit goes on at the top of the next page
// below the headers again. The rows of the runs with these ids are marked
// and drawn red.
void PrintCalculationsJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, const std::vector<std::string>& notSizedIds,
                          int copies);

}  // namespace cv
