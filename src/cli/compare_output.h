// corvanta-size --compare: the project sized under every supply option.
#pragma once

#include <ostream>
#include <pugixml.hpp>

#include "cli/options.h"
#include "efv/efv_catalog.h"

namespace cv::cli {

// Prints the comparison as JSON to out and returns 0; a price list that
// cannot be read is reported on err, naming its bad line, with status 1.
int WriteComparison(const Options& options, const pugi::xml_document& doc,
                    const EFVCatalog& catalog, std::ostream& out, std::ostream& err);

}  // namespace cv::cli
