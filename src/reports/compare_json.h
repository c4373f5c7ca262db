// The comparison of supply options as one JSON object, for programs that
// read which option gives the smallest piping.
#pragma once

#include <string>
#include <vector>

#include "reports/price_list.h"
#include "reports/supply_compare.h"

namespace cv {

// {"options": [{"name", "method", "gas", "supplyPressure", "allowableDrop",
// "status", "runs": [{"id", "size", "status"}], "materials": [{"material",
// "size", "length"}], "lowestDelivered": {"id", "pressure"}, "price"}]}.
// Pressures in inches of water column, lengths in feet. An option that
// cannot size the network adds its "reason"; "price" is null without a
// price list, and also when a size has no price, which "unpriced" then
// lists. Ends with a line feed.
std::string CompareJson(const std::vector<OptionComparison>& options, const PriceList* prices);

}  // namespace cv
