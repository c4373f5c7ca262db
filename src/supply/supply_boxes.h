// The calculation methods and the eight pressure text boxes of the supply
// panel, shared by the update and by project loading.
#pragma once

#include <string>
#include <string_view>

namespace cv {

// The option buttons optUnitType 0, 1 and 2.
enum class SupplyMethod : int { Fixed = 0, UserDefined = 1, Delivery = 2 };

// The calculationType text stored for a method.
const char* CalculationTypeText(SupplyMethod method) noexcept;
// The method a stored calculationType names; any text other than the first
// two method names is the delivery pressure method.
SupplyMethod MethodFromCalculationType(std::string_view text) noexcept;

// The texts of the pressure boxes, named after their controls. Despite their
// names, txtMetricSupplyPressureDrop and
// txtUserDefinedInternalLowSupplyPressureDrop hold supply pressures.
struct SupplyBoxTexts {
  // User-defined method, millibar.
  std::string txtMetricSupplyPressureDrop;
  std::string txtUserDefinedAllowablePressureDrop;
  std::string txtUserDefinedInternalLowSupplyPressureDrop;
  std::string txtMetricInternalPressureDrop;
  // Delivery method: PSI for the high-pressure pair, inches WC for the low.
  std::string txtDeliveryPressureHighSupplyPressure;
  std::string txtDeliveryPressureHighSupplyAllowedPressureDrop;
  std::string txtDeliveryPressureInternalLowSupplyPressure;
  std::string txtDeliveryPressureInternalLowDeliveryPressure;

  bool operator==(const SupplyBoxTexts&) const = default;
};

// What ClearDeliveryInputs and ClearUserDefinedInputs leave in the boxes: a
// single blank, except txtMetricSupplyPressureDrop, which is emptied.
void ClearDeliveryInputs(SupplyBoxTexts& boxes);
void ClearUserDefinedInputs(SupplyBoxTexts& boxes);

}  // namespace cv
