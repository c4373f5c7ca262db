#include "supply/supply_boxes.h"

#include "sizing/run_limits.h"

namespace cv {

const char* CalculationTypeText(SupplyMethod method) noexcept {
  switch (method) {
    case SupplyMethod::Fixed:
      return kFixedPressureMethod;
    case SupplyMethod::UserDefined:
      return kUserDefinedMethod;
    case SupplyMethod::Delivery:
      break;
  }
  return kDeliveryPressureMethod;
}

SupplyMethod MethodFromCalculationType(std::string_view text) noexcept {
  if (text == kFixedPressureMethod) return SupplyMethod::Fixed;
  if (text == kUserDefinedMethod) return SupplyMethod::UserDefined;
  return SupplyMethod::Delivery;
}

void ClearDeliveryInputs(SupplyBoxTexts& boxes) {
  boxes.txtDeliveryPressureHighSupplyAllowedPressureDrop = " ";
  boxes.txtDeliveryPressureHighSupplyPressure = " ";
  boxes.txtDeliveryPressureInternalLowDeliveryPressure = " ";
  boxes.txtDeliveryPressureInternalLowSupplyPressure = " ";
}

void ClearUserDefinedInputs(SupplyBoxTexts& boxes) {
  boxes.txtMetricInternalPressureDrop = " ";
  boxes.txtMetricSupplyPressureDrop = "";
  boxes.txtUserDefinedAllowablePressureDrop = " ";
  boxes.txtUserDefinedInternalLowSupplyPressureDrop = " ";
}

}  // namespace cv
