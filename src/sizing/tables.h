// The fixed vocabulary of the sizing engine: gas types, materials, device
// kinds, the size lists of both materials (smallest first: the upsizing
// order) and the per-size constants of the pressure-drop law.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cv {

inline constexpr std::array<std::string_view, 2> kGasTypes = {"Natural Gas", "Propane"};
inline constexpr std::array<std::string_view, 2> kMaterials = {"CORVANTA", "Pipe"};
inline constexpr std::array<std::string_view, 13> kDeviceKinds = {
    "Regulator", "Manifold", "Tee",   "Boiler",       "Dryer", "Fireplace", "Furnace",
    "Grill",     "Lamp",     "Range", "Water Heater", "Other", "EFV"};
inline constexpr std::array<std::string_view, 7> kCsstSizes = {
    "10A CSST", "15A CSST", "20A CSST", "25A CSST", "32A CSST", "38A CSST", "50A CSST"};
inline constexpr std::array<std::string_view, 10> kPipeSizes = {
    "1/2\" SCHEDULE 40",   "3/4\" SCHEDULE 40", "1\" SCHEDULE 40",     "1-1/4\" SCHEDULE 40",
    "1-1/2\" SCHEDULE 40", "2\" SCHEDULE 40",   "2-1/2\" SCHEDULE 40", "3\" SCHEDULE 40",
    "3-1/2\" SCHEDULE 40", "4\" SCHEDULE 40"};

inline constexpr std::string_view kCorvanta = "CORVANTA";
inline constexpr std::string_view kPipe = "Pipe";
inline constexpr std::string_view kNaturalGas = "Natural Gas";
inline constexpr std::string_view kPropane = "Propane";

struct CsstFlowConstant {
  double c;  // coefficient
  double n;  // exponent of the flow
};
inline constexpr std::array<CsstFlowConstant, 7> kCsstFlowConstants = {{
    {3.22e-05, 1.937},
    {5.24e-06, 2.012},
    {1.07e-06, 2.047},
    {6.11e-07, 1.95},
    {4.92e-08, 2.077},
    {1.87e-08, 2.0286},
    {2.29e-09, 2.1215},
}};
// Inside diameters of the schedule-40 pipe sizes, inches.
inline constexpr std::array<double, 10> kPipeInsideDiameters = {0.622, 0.824, 1.049, 1.38,  1.61,
                                                                2.067, 2.469, 3.068, 3.548, 4.026};

// Index of a name in its list, or -1; names compare exactly.
int GasTypeIndexOf(std::string_view name) noexcept;
int MaterialIndexOf(std::string_view name) noexcept;
int DeviceKindIndexOf(std::string_view name) noexcept;
// Fittings, regulators and EFVs pass on the loads below them and carry no
// load of their own; every other kind (an appliance) takes a load.
bool PassesLoadThrough(std::string_view kind) noexcept;
int SizeIndexOf(std::string_view size, std::string_view material) noexcept;
// The same index as decimal text, "-1" when not found.
std::string SizeIndexText(std::string_view size, std::string_view material);
// The size name at the index; empty for a material of neither list. An index
// outside the list fails with error 9.
std::string SizeNameAt(int index, std::string_view material);
bool IsSizeIndexInRange(int index, std::string_view material) noexcept;
// The number of sizes of the material (0 for an unknown material).
int SizeCount(std::string_view material) noexcept;
// The smallest size, as a failing run falls back to it: tubing for
// "CORVANTA", the half-inch pipe for anything else.
std::string SmallestSizeFallback(std::string_view material);

}  // namespace cv
