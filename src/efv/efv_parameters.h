#pragma once

#include <string>

namespace cv {

// One EFV model of the catalogue. Flows are in kBTU per hour and pressure
// drops in inches of water column, the units of the document; the unit
// columns are carried along and not used.
struct EFVParameters {
  std::string model;
  double OperatingPres = 0;
  std::string OperatingPresUnit;
  std::string FlowUnit;
  std::string PresDropUnit;
  double TripFlow = 0;
  double NormalFlow = 0;
  double NormalPresDrop = 0;
  double TripPresDrop = 0;
  std::string ID;
};

}  // namespace cv
