#include "ui/tree/result_columns.h"

#include <QBrush>
#include <QTreeWidgetItem>

#include "core/number_text.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/units.h"
#include "ui/access/failed_colour.h"
#include "ui/access/icons.h"
#include "ui/tree/tree_items.h"

namespace cv::ui {
namespace {

constexpr int kFailureRole = Qt::UserRole + 2;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// A stored quantity in the display units, to two decimals; text that is not
// a number is shown as stored.
QString ShownQuantity(const std::string& stored, const char* quantity,
                      std::string_view unitSystem) {
  const auto value = TryParseNumber(stored);
  if (!value) return Qs(stored);
  const auto shown = TryParseNumber(ConvertUnits(stored, quantity, kEnglish, unitSystem));
  return Qs(FormatNumber(RoundHalfEven(shown.value_or(*value), 2)));
}

QString ShownQuantity(pugi::xml_node node, const char* field, const char* quantity,
                      std::string_view unitSystem) {
  return ShownQuantity(FindField(node, field).child_value(), quantity, unitSystem);
}

// A reading of a run whose unit differs from the column's names its unit.
QString CellReading(const std::string& reading, const RunPressureTexts& texts,
                    std::string_view unitSystem) {
  if (texts.unit == SystemPressureUnit(unitSystem) || reading == kNotComputed) return Qs(reading);
  return Qs(reading + " " + std::string(PressureUnitCaption(texts.unit)));
}

void SetIfChanged(QTreeWidgetItem* item, int column, const QString& text) {
  if (item->text(column) != text) item->setText(column, text);
}

}  // namespace

QStringList TreeColumnHeaders(std::string_view unitSystem) {
  const QString pressure = Qs(std::string(PressureUnitCaption(SystemPressureUnit(unitSystem))));
  return {QStringLiteral("Network"),
          QStringLiteral("Load (%1)").arg(Qs(LoadUnitCaption(unitSystem))),
          QStringLiteral("Length (%1)").arg(Qs(LengthUnitCaption(unitSystem))),
          QStringLiteral("Size"),
          QStringLiteral("Drop from supply (%1)").arg(pressure),
          QStringLiteral("Delivered pressure (%1)").arg(pressure)};
}

void ShowRunResults(QTreeWidgetItem* item, pugi::xml_node node, const std::string& carriedLoad,
                    double dropFromSource, std::string_view unitSystem, bool dualSystem,
                    bool computed) {
  SetIfChanged(item, kColumnLoad, ShownQuantity(carriedLoad, "Load", unitSystem));
  SetIfChanged(item, kColumnLength, ShownQuantity(node, "length", "Length", unitSystem));
  SetIfChanged(item, kColumnSize, Qs(FindField(node, "materialSize").child_value()));
  const RunPressureTexts texts =
      RunPressures(node, dropFromSource, unitSystem, dualSystem, computed);
  SetIfChanged(item, kColumnDrop, CellReading(texts.dropFromSupply, texts, unitSystem));
  SetIfChanged(item, kColumnDelivered, CellReading(texts.delivered, texts, unitSystem));
}

void ShowSupplyResults(QTreeWidgetItem* item, pugi::xml_node root, std::string_view unitSystem) {
  SetIfChanged(item, kColumnLoad, ShownQuantity(root, "load", "Load", unitSystem));
}

void MarkSizingFailure(QTreeWidgetItem* item, const QString& message) {
  if (message.isEmpty() && SizingFailureOf(item).isEmpty()) return;
  item->setData(kColumnName, kFailureRole, message.isEmpty() ? QVariant() : QVariant(message));
  const QBrush text = message.isEmpty() ? QBrush() : QBrush(FailedRunColour());
  for (int column = 0; column < kTreeColumnCount; ++column) item->setForeground(column, text);
  const QString image = ItemImageKey(item);
  item->setIcon(kColumnName, message.isEmpty() ? DeviceIcon(image) : FailedDeviceIcon(image));
}

QString SizingFailureOf(const QTreeWidgetItem* item) {
  return item->data(kColumnName, kFailureRole).toString();
}

}  // namespace cv::ui
