// The reports corvanta-size writes after the calculation.
#pragma once

#include <ostream>
#include <pugixml.hpp>

#include "cli/options.h"
#include "sizing/program_state.h"

namespace cv::cli {

// Prints the material list or the calculation table to out and writes the
// workbook and the diagram, as the options ask.
void WriteReports(const Options& options, const pugi::xml_document& doc, const ProgramState& state,
                  std::ostream& out);

}  // namespace cv::cli
