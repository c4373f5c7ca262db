#include "reports/diagram_texts.h"

#include <array>

#include "core/number_text.h"
#include "project/document.h"
#include "reports/pressure_readings.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

// A stored number in another unit, rounded; text that is not a number is
// shown as it stands.
std::string Reading(std::string_view stored, double divisor, int decimals, std::string_view unit) {
  const std::optional<double> value = TryParseNumber(stored);
  std::string text =
      value ? FormatNumber(RoundHalfEven(*value / divisor, decimals)) : std::string(stored);
  return text.append(" ").append(unit);
}

}  // namespace

bool IsApplianceKind(std::string_view kind) noexcept {
  constexpr std::array<std::string_view, 5> kNotAppliances = {"Manifold", "Tee", "EFV", "Regulator",
                                                              ""};
  for (std::string_view other : kNotAppliances)
    if (kind == other) return false;
  return true;
}

NodeTexts DiagramNodeTexts(pugi::xml_node node, bool metric, bool dualSystem) {
  NodeTexts texts;
  texts.size = FieldText(node, "materialSize");
  const std::string_view units = metric ? kMetric : kEnglish;
  texts.length =
      Reading(FieldView(node, "length"), metric ? kLengthFactor : 1, 1, LengthUnitCaption(units));
  if (!IsApplianceKind(FieldView(node, "appliance"))) return texts;
  texts.load =
      Reading(FieldView(node, "load"), metric ? kLoadFactor : 1, 1, LoadUnitCaption(units));
  const std::string_view delivered = FieldView(node, "DeliveredPressure");
  if (delivered.empty() || !HasComputedPressures(node)) {
    texts.pressure = std::string(kNotComputed);
    return texts;
  }
  switch (RunPressureUnit(node, units, dualSystem)) {
    case PressureUnit::Millibar:
      texts.pressure = Reading(delivered, kPressureFactor, 2, "mb");
      break;
    case PressureUnit::Psi:
      texts.pressure = Reading(delivered, kInchesWcPerPsi, 2, "psi");
      break;
    case PressureUnit::InchesWc:
      texts.pressure = Reading(delivered, 1, 2, "in WC");
  }
  return texts;
}

}  // namespace cv
