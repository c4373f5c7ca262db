// The pressure along the path from a gas source (the gas supply, or the
// regulator that feeds the path) to one appliance or regulator: what a
// designer reads to see where the pressure goes on the way.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "reports/pressure_readings.h"
#include "sizing/calc_result.h"

namespace cv {

// The id of the gas supply's point.
inline constexpr const char* kGasSupplyId = "CVSystem";

// One node on the path. Quantities in the stored units: feet and inches of
// water column.
struct ProfilePoint {
  std::string id;  // kGasSupplyId for the gas supply
  std::string description;
  double distance = 0;                  // along the path from the source
  double pressure = 0;                  // at the node: the source's own, else its delivered
  std::string size;                     // of the run that ends here; empty at the source
  double drop = 0;                      // that run's own drop; 0 at the source
  RunStatus status = RunStatus::Sized;  // of the run that ends here
};

struct PressureProfile {
  std::string id;
  // The lowest pressure the calculation method allows on this path, in
  // inches of water column.
  double limit = 0;
  std::vector<ProfilePoint> points;  // the source first, the node last
  // What the user reads it in: feet or metres, in WC, psi or mb.
  bool metric = false;
  PressureUnit unit = PressureUnit::InchesWc;
};

// The profile of the appliance or regulator with the id in a calculated
// document; each point carries the status the result gives its run. An id
// that names no appliance or regulator fails with error 5 (a tee, manifold
// or EFV has no pressure of its own to follow).
PressureProfile BuildPressureProfile(const pugi::xml_document& doc, std::string_view id,
                                     bool dualSystem, std::string_view unitSystem,
                                     const CalcResult& result);

// The profile as one JSON object: {"id", "limit", "points": [{"id",
// "description", "distance", "pressure", "size", "drop", "status"}]}, in
// feet and inches of water column.
std::string PressureProfileJson(const PressureProfile& profile);

// A pressure in inches of water column in the unit.
double PressureInUnit(double inchesWc, PressureUnit unit) noexcept;

}  // namespace cv
