// The supply options side by side in a table: one column per option, the
// summary rows first, then the size of every run and the material totals.
// A size that differs from the project's own settings stands out; a run
// not sized is in the failed colour with its status.
#pragma once

#include <vector>

#include "reports/price_list.h"
#include "reports/supply_compare.h"

class QTableWidget;

namespace cv::ui {

// Fills the table; an empty price list gives each option "no price list".
void ShowComparison(QTableWidget* table, const std::vector<OptionComparison>& options,
                    const PriceList& prices);

}  // namespace cv::ui
