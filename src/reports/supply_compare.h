// The network sized under several supply options side by side, each on a
// copy of the project: the project itself never changes.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "efv/efv_catalog.h"
#include "reports/material_list.h"
#include "sizing/calc_result.h"
#include "supply/supply_options.h"

namespace cv {

class Project;

struct LowestDelivered {
  std::string id;
  std::string description;
  double pressure = 0;  // inches of water column
};

struct OptionComparison {
  SupplyOption option;
  std::string method;  // the calculationType text
  std::string gas;
  // At the gas supply, in inches of water column: the high-pressure section
  // of a dual system. The delivery method sets no drop for a single system.
  std::optional<double> supplyPressure;
  std::optional<double> allowableDrop;
  // Applying the option writes what the project already holds.
  bool current = false;
  CalcResult result;                      // no runs when not applicable
  std::vector<MaterialLength> materials;  // feet
  std::optional<LowestDelivered> lowest;  // the appliance with the lowest delivered pressure
};

// "sized" when every run is, "failed" when some run is not,
// "not-applicable" when the option cannot size the network.
std::string_view OptionStatusText(const OptionComparison& comparison) noexcept;

// Sizes a copy of the project under the option.
OptionComparison CompareOption(const pugi::xml_document& project, const EFVCatalog& catalog,
                               const SupplyOption& option);

// Every option of SupplyOptionsFor, in its order.
std::vector<OptionComparison> CompareSupplyOptions(const pugi::xml_document& project,
                                                   const EFVCatalog& catalog);
// The given options, in their order, on every core; the first failure
// passes on once all are done.
std::vector<OptionComparison> CompareSupplyOptions(const pugi::xml_document& project,
                                                   const EFVCatalog& catalog,
                                                   const std::vector<SupplyOption>& options);

// Writes the option's settings into the project as the supply panel's
// update does; the project's own settings change nothing. Recalculating is
// the caller's.
void ApplySupplyOption(Project& project, const SupplyOption& option);

}  // namespace cv
