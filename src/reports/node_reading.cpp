#include "reports/node_reading.h"

#include "project/document.h"
#include "reports/diagram_texts.h"
#include "reports/pressure_readings.h"

namespace cv {

std::string NodeReading(pugi::xml_node node, bool metric, bool dualSystem, bool sized) {
  if (!IsSystemNode(node)) return "Gas Supply";
  const NodeTexts texts = DiagramNodeTexts(node, metric, dualSystem);
  std::string reading = FieldText(node, "description") + ", " + FieldText(node, "appliance");
  const auto add = [&reading](const std::string& part) {
    if (!part.empty()) reading.append(", ").append(part);
  };
  add(texts.load);
  if (!sized || texts.size.empty()) {
    add("not sized");
    return reading;
  }
  add(texts.size);
  if (!texts.pressure.empty() && texts.pressure != kNotComputed) add("delivered " + texts.pressure);
  return reading;
}

}  // namespace cv
