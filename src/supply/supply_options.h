// The supply settings a network can be compared under: the project's own
// and every preset of the fixed pressure-drop method for its gas.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "supply/supply_update.h"

namespace cv {

struct SupplyOption {
  std::string name;
  // What applying the option writes; none for the project's own settings.
  std::optional<SupplySettings> settings;
  // Why the option cannot size this network; empty when it can.
  std::string notApplicable;

  bool Applicable() const noexcept { return notApplicable.empty(); }
};

inline constexpr const char* kCurrentSettingsName = "Current settings";

// The project's own settings first, then the supply presets of its gas in
// list order, each as the supply panel would write it. A 2 or 5 psi preset
// needs regulators to bring its pressure down to the appliances; a
// low-pressure preset is a single-pressure supply: on a network with
// regulators each would start its branch again at the full supply pressure,
// and the overall drop would not hold.
std::vector<SupplyOption> SupplyOptionsFor(const pugi::xml_document& doc);

// Whether some run of the network ends in a regulator.
bool NetworkHasRegulators(const pugi::xml_document& doc);

}  // namespace cv
