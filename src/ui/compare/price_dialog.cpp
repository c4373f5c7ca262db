#include "ui/compare/price_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/locale_numbers.h"
#include "core/number_text.h"
#include "sizing/tables.h"
#include "ui/access/failed_colour.h"
#include "ui/seams/c_numeric_locale.h"

namespace cv::ui {
namespace {

// Kept as the CSV text corvanta-size --prices reads, numbers with a period.
const QString kPricesKey = QStringLiteral("compare/prices");

std::string CsvField(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

enum Column : int { kMaterialColumn, kSizeColumn, kPriceColumn };

void AddRow(QTableWidget* table, std::string_view material, std::string_view size,
            const PriceList& prices) {
  const int row = table->rowCount();
  table->insertRow(row);
  for (const auto& [column, text] : {std::pair{kMaterialColumn, material}, {kSizeColumn, size}}) {
    auto* item = new QTableWidgetItem(QString::fromUtf8(text.data(), text.size()));
    item->setFlags(Qt::ItemIsEnabled);
    table->setItem(row, column, item);
  }
  const auto price = prices.find({std::string(material), std::string(size)});
  const std::string shown = price == prices.end() ? std::string() : FormatNumber(price->second);
  table->setItem(row, kPriceColumn,
                 new QTableWidgetItem(
                     QString::fromStdString(NumberShownWith(shown, LocaleDecimalSeparator()))));
}

}  // namespace

PriceList KeptPrices() {
  const PriceListRead read = ParsePriceList(QSettings().value(kPricesKey).toString().toStdString());
  return read.error.empty() ? read.prices : PriceList();
}

void KeepPrices(const PriceList& prices) {
  std::string csv;
  for (const auto& [key, price] : prices)
    csv += key.first + "," + CsvField(key.second) + "," + FormatNumber(price) + "\n";
  QSettings().setValue(kPricesKey, QString::fromStdString(csv));
}

PriceDialog::PriceDialog(const PriceList& prices, QWidget* parent)
    : QDialog(parent),
      prices_(prices),
      table_(new QTableWidget(0, 3, this)),
      lblProblem_(new QLabel(this)) {
  setObjectName(QStringLiteral("frmPrices"));
  setWindowTitle(QStringLiteral("Prices"));
  table_->setObjectName(QStringLiteral("tblPrices"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("Material"), QStringLiteral("Size"), QStringLiteral("Price per foot")});
  table_->verticalHeader()->hide();
  table_->setAccessibleName(QStringLiteral("Prices"));
  table_->setAccessibleDescription(
      QStringLiteral("The price per foot of each material and size; a blank price has none"));
  for (std::string_view size : kCsstSizes) AddRow(table_, kCorvanta, size, prices);
  for (std::string_view size : kPipeSizes) AddRow(table_, kPipe, size, prices);
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setCurrentCell(0, kPriceColumn);
  lblProblem_->setObjectName(QStringLiteral("lblPriceProblem"));
  lblProblem_->setStyleSheet(QStringLiteral("color: %1").arg(FailedRunColour().name()));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PriceDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PriceDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Price per foot of each size; leave a size blank "
                                              "when it has no price."),
                               this));
  layout->addWidget(table_, 1);
  layout->addWidget(lblProblem_);
  layout->addWidget(buttons);
  resize(460, 560);
}

void PriceDialog::accept() {
  PriceList prices;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QString typed = table_->item(row, kPriceColumn)->text().trimmed();
    if (typed.isEmpty()) continue;
    const auto price =
        TryParseNumber(NumberTypedWith(typed.toStdString(), LocaleDecimalSeparator()));
    if (!price || *price < 0) {
      lblProblem_->setText(QStringLiteral("'%1' for %2 is not a price of 0 or more.")
                               .arg(typed, table_->item(row, kSizeColumn)->text()));
      table_->setCurrentCell(row, kPriceColumn);
      table_->setFocus();
      return;
    }
    prices[{table_->item(row, kMaterialColumn)->text().toStdString(),
            table_->item(row, kSizeColumn)->text().toStdString()}] = *price;
  }
  prices_ = std::move(prices);
  QDialog::accept();
}

}  // namespace cv::ui
