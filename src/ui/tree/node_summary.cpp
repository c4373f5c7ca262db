#include "ui/tree/node_summary.h"

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/units.h"
#include "ui/panels/pressure_text.h"

namespace cv::ui {
namespace {

std::string PressureText(pugi::xml_node node, const char* field, std::string_view unitSystem) {
  const std::string stored = FieldText(node, field);
  auto value = TryParseNumber(stored);
  if (!value) return stored;
  return ShownPressure(*value, unitSystem) + " " + PressureUnitCaption(unitSystem);
}

}  // namespace

QString NodeSummary(pugi::xml_node node, std::string_view unitSystem) {
  std::string size = FieldText(node, "materialSize");
  if (size.empty()) size = "-";
  const std::string text =
      "Size: " + size + "\nSupply pressure: " + PressureText(node, "SupplyPressure", unitSystem) +
      "\nPressure drop: " + PressureText(node, "PressureDrop", unitSystem) +
      "\nDelivered pressure: " + PressureText(node, "DeliveredPressure", unitSystem);
  return QString::fromStdString(text);
}

}  // namespace cv::ui
