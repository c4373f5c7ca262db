#include "ui/results/calculation_page.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <map>

#include "core/errors.h"
#include "core/locale_numbers.h"
#include "core/number_text.h"
#include "reports/calculation_table.h"
#include "ui/access/failed_colour.h"
#include "ui/seams/c_numeric_locale.h"

namespace cv::ui {
namespace {

// The reference number and the load, length and pressure columns.
bool IsNumberColumn(size_t column) { return column == 0 || column == 3 || column >= 5; }

// Loads and lengths to two decimals, pressures to three; names, materials
// and sizes as they are.
std::string Readable(size_t column, const std::string& cell) {
  const auto value = column > 0 && IsNumberColumn(column) ? TryParseNumber(cell) : std::nullopt;
  if (!value) return cell;
  return FormatNumber(RoundHalfEven(*value, column == 3 || column == 5 ? 2 : 3));
}

// A spreadsheet of the user's locale reads a pasted number with its comma.
QString InLocale(const QString& number) {
  return QString::fromStdString(NumberShownWith(number.toStdString(), LocaleDecimalSeparator()));
}

}  // namespace

class CalculationModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // reasons: why the run of each row is not sized, empty when it is.
  void Show(CalculationTable table, bool metric, std::vector<QString> reasons) {
    beginResetModel();
    rows_ = std::move(table.rows);
    if (!rows_.empty()) rows_.erase(rows_.begin());  // row 0 is never filled
    reasons_ = std::move(reasons);
    reasons_.resize(rows_.size());
    metric_ = metric;
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(kCalculationColumns);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const QString& reason = reasons_.at(static_cast<size_t>(index.row()));
    if (role == Qt::ForegroundRole)
      return reason.isEmpty() ? QVariant() : QBrush(FailedRunColour());
    if (role == Qt::ToolTipRole) return reason.isEmpty() ? QVariant() : reason;
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
    const size_t column = static_cast<size_t>(index.column());
    const std::string& cell = rows_.at(static_cast<size_t>(index.row())).at(column);
    if (role == Qt::TextAlignmentRole)
      return QVariant(Qt::AlignVCenter | (IsNumberColumn(column) ? Qt::AlignRight : Qt::AlignLeft));
    return QString::fromStdString(Readable(column, cell));
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return QString::fromStdString(CalculationHeaders(metric_).at(static_cast<size_t>(section)));
  }

 private:
  std::vector<CalculationRow> rows_;
  std::vector<QString> reasons_;
  bool metric_ = false;
};

CalculationPage::CalculationPage(const pugi::xml_document& document, const CalcResult& result,
                                 QWidget* parent)
    : QWidget(parent),
      document_(document),
      result_(result),
      model_(new CalculationModel(this)),
      view_(new QTableView(this)) {
  setObjectName(QStringLiteral("fTabView3"));
  view_->setObjectName(QStringLiteral("tblCalculations"));
  view_->setModel(model_);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setStretchLastSection(true);
  // The view's own copy takes only the current cell.
  view_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
}

bool CalculationPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_ || event->type() != QEvent::KeyPress ||
      !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
    return QWidget::eventFilter(watched, event);
  QApplication::clipboard()->setText(SelectedCellsText());
  return true;
}

void CalculationPage::Invalidate() {
  stale_ = true;
  // The current page of the tabs is not hidden, even in a window not shown.
  if (!isHidden()) Refresh();
}

void CalculationPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) Refresh();
}

void CalculationPage::Refresh() {
  stale_ = false;
  try {
    // The result lists the runs in document order, as the table does.
    std::vector<QString> reasons;
    for (const RunResult& run : result_.runs)
      reasons.push_back(QString::fromStdString(run.message));
    CalculationTable table = BuildCalculationTable(document_);
    DashUncomputedPressures(table, document_);
    model_->Show(std::move(table), IsMetricTable(document_), std::move(reasons));
  } catch (const CvError&) {
    // A document that cannot be tabled (a field that is not a number) shows
    // no rows; the export reports why.
    model_->Show({}, false, {});
  }
  view_->resizeColumnsToContents();
}

QString CalculationPage::SelectedCellsText() const {
  std::map<int, std::map<int, QString>> cells;
  for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
    cells[index.row()][index.column()] = IsNumberColumn(static_cast<size_t>(index.column()))
                                             ? InLocale(index.data().toString())
                                             : index.data().toString();
  QString text;
  for (const auto& [row, columns] : cells) {
    QStringList line;
    for (const auto& [column, cell] : columns) line << cell;
    text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace cv::ui
