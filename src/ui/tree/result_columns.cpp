#include "ui/tree/result_columns.h"

#include <QBrush>
#include <QTreeWidgetItem>

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/units.h"
#include "ui/panels/pressure_text.h"
#include "ui/tree/icons.h"
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

QString ShownStoredPressure(pugi::xml_node node, const char* field, std::string_view unitSystem) {
  const std::string stored = FindField(node, field).child_value();
  const auto value = TryParseNumber(stored);
  return value ? Qs(ShownPressure(*value, unitSystem)) : Qs(stored);
}

void SetIfChanged(QTreeWidgetItem* item, int column, const QString& text) {
  if (item->text(column) != text) item->setText(column, text);
}

}  // namespace

QStringList TreeColumnHeaders(std::string_view unitSystem) {
  const QString pressure = Qs(PressureUnitCaption(unitSystem));
  return {QStringLiteral("Network"),
          QStringLiteral("Load (%1)").arg(Qs(LoadUnitCaption(unitSystem))),
          QStringLiteral("Length (%1)").arg(Qs(LengthUnitCaption(unitSystem))),
          QStringLiteral("Size"),
          QStringLiteral("Pressure drop (%1)").arg(pressure),
          QStringLiteral("Delivered pressure (%1)").arg(pressure)};
}

void ShowRunResults(QTreeWidgetItem* item, pugi::xml_node node, const std::string& carriedLoad,
                    double dropFromSource, std::string_view unitSystem) {
  SetIfChanged(item, kColumnLoad, ShownQuantity(carriedLoad, "Load", unitSystem));
  SetIfChanged(item, kColumnLength, ShownQuantity(node, "length", "Length", unitSystem));
  SetIfChanged(item, kColumnSize, Qs(FindField(node, "materialSize").child_value()));
  SetIfChanged(item, kColumnDrop, Qs(ShownPressure(dropFromSource, unitSystem)));
  SetIfChanged(item, kColumnDelivered, ShownStoredPressure(node, "DeliveredPressure", unitSystem));
}

void ShowSupplyResults(QTreeWidgetItem* item, pugi::xml_node root, std::string_view unitSystem) {
  SetIfChanged(item, kColumnLoad, ShownQuantity(root, "load", "Load", unitSystem));
}

void MarkSizingFailure(QTreeWidgetItem* item, const QString& message) {
  if (message.isEmpty() && SizingFailureOf(item).isEmpty()) return;
  item->setData(kColumnName, kFailureRole, message.isEmpty() ? QVariant() : QVariant(message));
  const QBrush text = message.isEmpty() ? QBrush() : QBrush(Qt::red);
  for (int column = 0; column < kTreeColumnCount; ++column) item->setForeground(column, text);
  const QString image = ItemImageKey(item);
  item->setIcon(kColumnName, message.isEmpty() ? DeviceIcon(image) : FailedDeviceIcon(image));
}

QString SizingFailureOf(const QTreeWidgetItem* item) {
  return item->data(kColumnName, kFailureRole).toString();
}

}  // namespace cv::ui
