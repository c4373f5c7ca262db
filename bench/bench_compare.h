// The comparison of supply options on a generated network.
#pragma once

#include <pugixml.hpp>

#include "efv/efv_catalog.h"

namespace bench {

// Times the comparison of the network's own options and of ten options
// that each size the whole network, and prints both.
void BenchCompare(const pugi::xml_document& doc, const cv::EFVCatalog& catalog, int count,
                  int runs);

}  // namespace bench
