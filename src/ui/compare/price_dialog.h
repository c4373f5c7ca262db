// The price list of the Compare page: a price per foot for each material
// and size, typed in the user's locale, kept with QSettings between runs
// (empty at first). A size left blank has no price.
#pragma once

#include <QDialog>

#include "reports/price_list.h"

class QLabel;
class QTableWidget;

namespace cv::ui {

// The price list kept from the last run; empty when none was kept or it
// cannot be read.
PriceList KeptPrices();
void KeepPrices(const PriceList& prices);

class PriceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PriceDialog(const PriceList& prices, QWidget* parent = nullptr);

  // The prices as accepted.
  const PriceList& Prices() const noexcept { return prices_; }
  QTableWidget* Table() const noexcept { return table_; }

  // Takes the typed prices; a price that is not a number of 0 or more is
  // named and keeps the dialog open.
  void accept() override;

 private:
  PriceList prices_;
  QTableWidget* table_;
  QLabel* lblProblem_;
};

}  // namespace cv::ui
