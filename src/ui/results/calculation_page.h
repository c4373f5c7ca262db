// The "Calculations" page: the calculation table of the export (same rows,
// same columns) in a table view, numbers rounded for reading. It follows
// every calculation, rebuilt when it is shown after one; a run not sized is
// red with the reason in its tool tip. Ctrl+C copies the selected cells as
// tab-separated text.
#pragma once

#include <QWidget>
#include <pugixml.hpp>

#include "sizing/calc_result.h"

class QTableView;

namespace cv::ui {

class CalculationModel;

class CalculationPage : public QWidget {
  Q_OBJECT

 public:
  // The document and result must outlive the page.
  CalculationPage(const pugi::xml_document& document, const CalcResult& result,
                  QWidget* parent = nullptr);

  // The document was calculated again: rebuilt now when shown, else when
  // next shown.
  void Invalidate();
  QTableView* View() const noexcept { return view_; }
  // The selected cells, rows in order, one line each (LF), cells of a row
  // separated by tabs.
  QString SelectedCellsText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();

  const pugi::xml_document& document_;
  const CalcResult& result_;
  CalculationModel* model_;
  QTableView* view_;
  bool stale_ = true;
};

}  // namespace cv::ui
