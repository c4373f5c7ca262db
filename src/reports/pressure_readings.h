// How a run's pressures are written where the user reads them (the tree,
// the appliance panel, its tool tip and the diagram): in the unit of the
// run's side of the system, and a dash where no pressure was computed.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_set>

namespace cv {

enum class PressureUnit { InchesWc, Millibar, Psi };

// Written where the last calculation computed no value.
inline constexpr const char* kNotComputed = "-";

// Millibar in the metric unit system; inches of water column in the
// English one.
PressureUnit SystemPressureUnit(std::string_view unitSystem) noexcept;
// The unit system's unit, but psi on the high-pressure side of an English
// dual system: its 2 or 5 psi would read as hundreds of inches.
PressureUnit RunPressureUnit(pugi::xml_node run, std::string_view unitSystem, bool dualSystem);

// "in W.C.", "mb" or "psi".
std::string_view PressureUnitCaption(PressureUnit unit) noexcept;

// At least one integer digit and one to three decimals, rounded ("#0.0##").
std::string FormatPressureForDisplay(double value);
// A pressure in inches of water column, converted to the unit and written
// as above, without the unit.
std::string PressureReading(double inchesWc, PressureUnit unit);

// Whether the last calculation gave the run pressures: it gives them to
// the runs on a path from a gas source (the supply or a regulator) to an
// appliance or a regulator, so a tee, manifold or EFV with nothing of that
// below it has none, whatever its fields hold.
bool HasComputedPressures(pugi::xml_node run);

// HasComputedPressures for every run of a document, found in one walk, for
// the views that show every run.
class ComputedPressures {
 public:
  explicit ComputedPressures(const pugi::xml_document& doc);
  bool Of(pugi::xml_node run) const { return runs_.contains(run.internal_object()); }

 private:
  std::unordered_set<const void*> runs_;
};

// What the tree and the panel show of a run: the drop from its gas source
// and the delivered pressure, in the run's unit; dashes for a run without
// pressures, a stored text that is not a number as it stands.
struct RunPressureTexts {
  PressureUnit unit = PressureUnit::InchesWc;
  std::string dropFromSupply;
  std::string delivered;
};
RunPressureTexts RunPressures(pugi::xml_node run, double dropFromSource,
                              std::string_view unitSystem, bool dualSystem);
// The same, told whether the run has computed pressures.
RunPressureTexts RunPressures(pugi::xml_node run, double dropFromSource,
                              std::string_view unitSystem, bool dualSystem, bool computed);

// The tool tip of a run: its size, then its supply pressure, its own drop
// ("Run drop") and its delivered pressure, one per line, each with its unit.
// On a psi side the tip reads in inches of water column, with the psi the
// tree shows in brackets.
std::string RunSummary(pugi::xml_node run, std::string_view unitSystem, bool dualSystem);

}  // namespace cv
