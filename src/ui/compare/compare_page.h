// The "Compare" page: the network sized under its own supply settings and
// every supply preset of its gas, side by side (compare_table.h). It follows
// the project editor, but is worked out only while shown (or when shown
// after a change), since sizing every option of a large network takes a
// good part of a second.
// The option of the current column is applied to the project as one step
// of the history; the prices come from the price list the user keeps.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "reports/price_list.h"
#include "reports/supply_compare.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace cv::ui {

class PriceDialog;
class ProjectEditor;

class ComparePage : public QWidget {
  Q_OBJECT

 public:
  using Apply = std::function<void(const SupplyOption&)>;

  // The editor must outlive the page; apply writes an option into the
  // project as one step.
  ComparePage(ProjectEditor& editor, Apply apply, QWidget* parent = nullptr);

  // The project changed: worked out again soon when shown, else when next
  // shown.
  void Invalidate();
  QTableWidget* Table() const noexcept { return table_; }
  const std::vector<OptionComparison>& Options() const noexcept { return options_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void ShowTable();
  void ShowChoice();
  void ApplyChosen();
  void EditPrices();

  ProjectEditor& editor_;
  Apply apply_;
  std::vector<OptionComparison> options_;
  PriceList prices_;
  QLabel* lblChoice_;
  QTableWidget* table_;
  QPushButton* cmdApply_;
  QPushButton* cmdPrices_;
  QPointer<PriceDialog> pricesDialog_;
  bool stale_ = true;
  bool refreshQueued_ = false;
};

}  // namespace cv::ui
