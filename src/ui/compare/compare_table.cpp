#include "ui/compare/compare_table.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <set>

#include "core/number_text.h"
#include "sizing/tables.h"
#include "supply/supply_presets.h"
#include "ui/access/failed_colour.h"

namespace cv::ui {
namespace {

constexpr int kWidestColumn = 280;
constexpr int kNotApplicableWidth = 170;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Number(double value) { return QLocale().toString(value, 'g', 10); }

// Pressures of a high-pressure section also in psi.
QString Pressure(const std::optional<double>& inches) {
  if (!inches) return QStringLiteral("-");
  const QString text = Number(*inches) + QStringLiteral(" in WC");
  if (*inches <= 14) return text;
  return text +
         QStringLiteral(" (%1 psi)").arg(Number(RoundHalfEven(*inches / kInchesWcPerPsi, 2)));
}

// "7-8 In WC Supply - .5 In WC Overall Pressure Drop" on two lines, and
// whether the project holds it now.
QString ColumnTitle(const OptionComparison& o, bool first) {
  QString title = Q(o.option.name).replace(QStringLiteral(" - "), QStringLiteral("\n"));
  return o.current && !first ? title + QStringLiteral("\n(as now)") : title;
}

QString RunStatusWords(RunStatus status) {
  return Q(std::string(RunStatusText(status))).replace(QLatin1Char('-'), QLatin1Char(' '));
}

QString PriceText(const OptionComparison& o, const PriceList& prices) {
  if (!o.option.Applicable()) return QStringLiteral("-");
  if (prices.empty()) return QStringLiteral("no price list");
  const PriceTotal price = PriceOf(o.materials, prices);
  if (price.Complete()) return QLocale().toString(price.total, 'f', 2);
  QStringList missing;
  for (const MaterialLength& m : price.unpriced) missing << Q(m.size);
  return QStringLiteral("no price for ") + missing.join(QStringLiteral(", "));
}

QString Lowest(const OptionComparison& o) {
  if (!o.lowest) return QStringLiteral("-");
  return Pressure(o.lowest->pressure) + QStringLiteral(" at ") + Q(o.lowest->description);
}

QString StatusText(const OptionComparison& o) {
  if (!o.option.Applicable()) return QStringLiteral("Not applicable: ") + Q(o.option.notApplicable);
  const size_t unsized = o.result.UnsizedCount();
  if (unsized == 0) return QStringLiteral("Every run sized");
  return unsized == 1 ? QStringLiteral("1 run not sized")
                      : QStringLiteral("%1 runs not sized").arg(unsized);
}

class Filler {
 public:
  Filler(QTableWidget* table, const std::vector<OptionComparison>& options)
      : table_(table), options_(options) {}

  // A row with a cell for each option, each given by the function.
  void Row(const QString& title, const std::function<QTableWidgetItem*(size_t)>& cell) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setVerticalHeaderItem(row, new QTableWidgetItem(title));
    for (size_t i = 0; i < options_.size(); ++i) {
      QTableWidgetItem* item = cell(i);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (!options_[i].option.Applicable()) item->setForeground(QColor(96, 96, 96));
      table_->setItem(row, static_cast<int>(i), item);
    }
  }
  void TextRow(const QString& title, const std::function<QString(const OptionComparison&)>& text) {
    Row(title, [&](size_t i) { return new QTableWidgetItem(text(options_[i])); });
  }
  void Heading(const QString& title) {
    Row(title, [](size_t) {
      auto* item = new QTableWidgetItem();
      item->setBackground(QColor(232, 232, 232));
      return item;
    });
    QFont bold = table_->font();
    bold.setBold(true);
    table_->verticalHeaderItem(table_->rowCount() - 1)->setFont(bold);
  }

 private:
  QTableWidget* table_;
  const std::vector<OptionComparison>& options_;
};

QTableWidgetItem* SizeCell(const OptionComparison& o, const OptionComparison& own, size_t run) {
  auto* item = new QTableWidgetItem();
  if (run >= o.result.runs.size()) return item;
  const RunResult& r = o.result.runs[run];
  QString text = Q(r.size);
  if (r.status != RunStatus::Sized) {
    text += QStringLiteral(" (") + RunStatusWords(r.status) + QLatin1Char(')');
    item->setForeground(FailedRunColour());
    item->setToolTip(Q(r.message));
  }
  item->setText(text);
  if (run < own.result.runs.size() && r.size != own.result.runs[run].size) {
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setBackground(QColor(255, 236, 179));
    if (item->toolTip().isEmpty())
      item->setToolTip(QStringLiteral("Differs from the current settings (%1)")
                           .arg(Q(own.result.runs[run].size)));
  }
  return item;
}

void MaterialRows(Filler& fill, const std::vector<OptionComparison>& options) {
  // Every material and size some option needs, in list order.
  std::vector<std::pair<std::string, std::string>> keys;
  std::set<std::pair<std::string, std::string>> seen;
  for (const OptionComparison& o : options)
    for (const MaterialLength& m : o.materials)
      if (seen.insert({m.material, m.size}).second) keys.emplace_back(m.material, m.size);
  const auto order = [](const auto& k) {
    return std::pair(k.first != "CORVANTA", SizeIndexOf(k.second, k.first));
  };
  std::sort(keys.begin(), keys.end(),
            [&](const auto& a, const auto& b) { return order(a) < order(b); });
  for (const auto& [material, size] : keys)
    fill.TextRow(Q(size), [&, m = material, s = size](const OptionComparison& o) {
      for (const MaterialLength& length : o.materials)
        if (length.material == m && length.size == s) return Number(length.length);
      return QString();
    });
}

}  // namespace

void ShowComparison(QTableWidget* table, const std::vector<OptionComparison>& options,
                    const PriceList& prices) {
  table->clear();
  table->setRowCount(0);
  table->setColumnCount(static_cast<int>(options.size()));
  for (size_t i = 0; i < options.size(); ++i)
    table->setHorizontalHeaderItem(static_cast<int>(i),
                                   new QTableWidgetItem(ColumnTitle(options[i], i == 0)));
  if (options.empty()) return;
  Filler fill(table, options);
  fill.TextRow(QStringLiteral("Status"), StatusText);
  fill.TextRow(QStringLiteral("Supply pressure"),
               [](const OptionComparison& o) { return Pressure(o.supplyPressure); });
  fill.TextRow(QStringLiteral("Allowable drop"),
               [](const OptionComparison& o) { return Pressure(o.allowableDrop); });
  fill.TextRow(QStringLiteral("Lowest delivered"), Lowest);
  fill.TextRow(QStringLiteral("Total price"),
               [&](const OptionComparison& o) { return PriceText(o, prices); });
  const OptionComparison& own = options.front();
  fill.Heading(QStringLiteral("Sizes"));
  for (size_t run = 0; run < own.result.runs.size(); ++run)
    fill.Row(Q(own.result.runs[run].description),
             [&](size_t i) { return SizeCell(options[i], own, run); });
  fill.Heading(QStringLiteral("Lengths (ft)"));
  MaterialRows(fill, options);
  // A long reason wraps in its column instead of widening it.
  table->resizeColumnsToContents();
  for (int column = 0; column < table->columnCount(); ++column)
    table->setColumnWidth(column, std::min(table->columnWidth(column),
                                           options[static_cast<size_t>(column)].option.Applicable()
                                               ? kWidestColumn
                                               : kNotApplicableWidth));
  table->resizeRowsToContents();
}

}  // namespace cv::ui
