// The project's supply settings as the calculation reads them, and what
// the walk from a run to its gas source reads them with.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "efv/efv_catalog.h"

namespace cv {

class CarriedLoads;

// The project's supply settings as the sizing reads them. The high-pressure
// values are read only in a dual-pressure system and are 0 otherwise.
struct SupplyValues {
  std::string gasType;
  std::string method;  // the root's calculationType
  bool dual = false;
  double pLow = 0;   // InternalLowSupplyPressure
  double aLow = 0;   // InternalLowSupplyAllowablePressureDrop
  double dLow = 0;   // InternalLowSupplyDeliveryPressure
  double pHigh = 0;  // HighSupplyPressure
  double aHigh = 0;  // HighSupplyAllowablePressureDrop
};

// What the walk over the document needs: the catalogue of the EFVs on the
// path, the project's root and the loads the runs carry.
struct CalcContext {
  const EFVCatalog& catalog;
  pugi::xml_node projectRoot;
  const CarriedLoads* carried = nullptr;
  // The supply settings do not change during a calculation: read once.
  mutable std::optional<SupplyValues> supply = std::nullopt;
};

// The supply settings, read from the project root on first use.
const SupplyValues& ReadSupplyValues(const CalcContext& ctx);
// The supply settings of a project root; dual: a dual-pressure system.
SupplyValues ReadSupplyValues(pugi::xml_node root, bool dual);

}  // namespace cv
