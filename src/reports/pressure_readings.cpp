#include "reports/pressure_readings.h"

#include <charconv>
#include <vector>

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/pressure_drop.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

std::string StoredReading(pugi::xml_node run, const char* field, PressureUnit unit) {
  const std::string stored = FieldText(run, field);
  const std::optional<double> value = TryParseNumber(stored);
  return value ? PressureReading(*value, unit) : stored;
}

std::string WithUnit(std::string reading, PressureUnit unit) {
  return reading.append(" ").append(PressureUnitCaption(unit));
}

// A pressure of the tool tip: in the unit system's unit, with the psi
// reading in brackets on a psi side.
std::string SummaryPressure(pugi::xml_node run, const char* field, PressureUnit shown,
                            PressureUnit system) {
  const std::string reading = WithUnit(StoredReading(run, field, system), system);
  if (shown == system || !TryParseNumber(FieldView(run, field))) return reading;
  return reading + " (" + WithUnit(StoredReading(run, field, shown), shown) + ")";
}

}  // namespace

PressureUnit SystemPressureUnit(std::string_view unitSystem) noexcept {
  return unitSystem == kEnglish ? PressureUnit::InchesWc : PressureUnit::Millibar;
}

PressureUnit RunPressureUnit(pugi::xml_node run, std::string_view unitSystem, bool dualSystem) {
  const PressureUnit unit = SystemPressureUnit(unitSystem);
  if (unit == PressureUnit::InchesWc && dualSystem && IsHighPressureSideNode(run))
    return PressureUnit::Psi;
  return unit;
}

std::string_view PressureUnitCaption(PressureUnit unit) noexcept {
  switch (unit) {
    case PressureUnit::Millibar:
      return "mb";
    case PressureUnit::Psi:
      return "psi";
    case PressureUnit::InchesWc:
      break;
  }
  return "in W.C.";
}

std::string FormatPressureForDisplay(double value) {
  char buf[400];  // room for the widest double in fixed notation
  auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 3);
  std::string text(buf, result.ptr);
  while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
  if (text == "-0.0") text = "0.0";
  return text;
}

std::string PressureReading(double inchesWc, PressureUnit unit) {
  switch (unit) {
    case PressureUnit::Millibar:
      return FormatPressureForDisplay(
          ParseNumber(ConvertUnits(FormatNumber(inchesWc), "Pressure", kEnglish, kMetric)));
    case PressureUnit::Psi:
      return FormatPressureForDisplay(inchesWc / kInchesWcPerPsi);
    case PressureUnit::InchesWc:
      break;
  }
  return FormatPressureForDisplay(inchesWc);
}

bool HasComputedPressures(pugi::xml_node run) {
  std::vector<pugi::xml_node> pending = {run};
  while (!pending.empty()) {
    const pugi::xml_node node = pending.back();
    pending.pop_back();
    if (IsApplianceOrRegulator(node)) return true;
    for (pugi::xml_node child : node.children(kSystemNodeName)) pending.push_back(child);
  }
  return false;
}

ComputedPressures::ComputedPressures(const pugi::xml_document& doc) {
  // Backwards through document order every run comes after the runs below
  // it, which have marked it by then.
  const std::vector<pugi::xml_node> nodes = AllSystemNodes(doc);
  for (auto node = nodes.rbegin(); node != nodes.rend(); ++node)
    if (runs_.contains(node->internal_object()) || IsApplianceOrRegulator(*node)) {
      runs_.insert(node->internal_object());
      runs_.insert(node->parent().internal_object());
    }
}

RunPressureTexts RunPressures(pugi::xml_node run, double dropFromSource,
                              std::string_view unitSystem, bool dualSystem) {
  return RunPressures(run, dropFromSource, unitSystem, dualSystem, HasComputedPressures(run));
}

RunPressureTexts RunPressures(pugi::xml_node run, double dropFromSource,
                              std::string_view unitSystem, bool dualSystem, bool computed) {
  RunPressureTexts texts;
  texts.unit = RunPressureUnit(run, unitSystem, dualSystem);
  if (!computed) {
    texts.dropFromSupply = texts.delivered = kNotComputed;
    return texts;
  }
  texts.dropFromSupply = PressureReading(dropFromSource, texts.unit);
  texts.delivered = StoredReading(run, "DeliveredPressure", texts.unit);
  return texts;
}

std::string RunSummary(pugi::xml_node run, std::string_view unitSystem, bool dualSystem) {
  std::string size = FieldText(run, "materialSize");
  if (size.empty()) size = kNotComputed;
  std::string text = "Size: " + size;
  const bool computed = HasComputedPressures(run);
  const PressureUnit shown = RunPressureUnit(run, unitSystem, dualSystem);
  const PressureUnit system = SystemPressureUnit(unitSystem);
  for (const auto& [caption, field] : {std::pair{"Supply pressure", "SupplyPressure"},
                                       {"Run drop", "PressureDrop"},
                                       {"Delivered pressure", "DeliveredPressure"}}) {
    text.append("\n").append(caption).append(": ");
    text += computed ? SummaryPressure(run, field, shown, system) : std::string(kNotComputed);
  }
  return text;
}

}  // namespace cv
