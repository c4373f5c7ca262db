// The calculations printout: the settings block and the calculation table,
// every run with its size, length, load and pressures.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "reports/print_settings_block.h"
#include "reports/print_surface.h"
#include "sizing/calc_result.h"

namespace cv {

// Written behind the reference number of a run the calculation did not
// size, by the reason, and explained below the table: "*" outside the
// limit, "**" failed, "***" not reached; empty for a sized run.
std::string_view StatusMark(RunStatus status) noexcept;
std::string StatusNote(RunStatus status);

// Prints the calculations document copies times: the settings block,
// "Calculations" and the table in landscape, headers wrapped in their
// columns. A row that does not fit goes on at the top of the next page
// below the headers again. The rows of the runs the result does not count
// as sized are marked and drawn red.
void PrintCalculationsJob(PrintSurface& surface, const pugi::xml_document& doc,
                          const PrintHeader& header, const CalcResult& result, int copies);

}  // namespace cv
