// The reports corvanta-size writes after the calculation.
#pragma once

#include <ostream>
#include <pugixml.hpp>

#include "cli/options.h"
#include "efv/efv_catalog.h"
#include "sizing/calc_result.h"

namespace cv::cli {

// Prints the material list, the calculation table or the result as JSON to
// out and writes the workbook and the diagram, as the options ask.
void WriteReports(const Options& options, const pugi::xml_document& doc, const EFVCatalog& catalog,
                  const CalcResult& result, std::ostream& out);

// One line for each run not sized: its status, description and id, and why
// (a failed run's message was shown when its pass stopped).
void ListUnsizedRuns(const CalcResult& result, std::ostream& err);

}  // namespace cv::cli
