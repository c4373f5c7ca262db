// Prices per foot of tubing and pipe, and what a material list costs.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/material_list.h"

namespace cv {

// Currency per foot, by material ("CORVANTA" or "Pipe") and size name.
using PriceList = std::map<std::pair<std::string, std::string>, double>;

struct PriceTotal {
  double total = 0;                      // of the sizes that have a price
  std::vector<MaterialLength> unpriced;  // sizes the list has no price for
  bool Complete() const noexcept { return unpriced.empty(); }
};

// The lengths (feet) times their prices.
PriceTotal PriceOf(const std::vector<MaterialLength>& materials, const PriceList& prices);

struct PriceListRead {
  PriceList prices;
  std::string error;  // "line 3: ..." for the first bad line; empty when read
};

// CSV lines "material,size,price per foot"; blank lines and a first line
// starting "material" are skipped, a field may be quoted ("" for a quote).
// The material and size must name one of the program's sizes, the price a
// number not below 0.
PriceListRead ParsePriceList(std::string_view csv);

}  // namespace cv
