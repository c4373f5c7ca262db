#include "sizing/input_checks.h"

#include <string>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"

namespace cv {

namespace {

bool CarriesOwnLoad(std::string_view kind) {
  return kind != "Manifold" && kind != "Regulator" && kind != "Tee" && kind != "EFV";
}

void CheckQuantity(pugi::xml_node node, const char* field) {
  const double value = FieldNumber(node, field);
  if (value >= 0 && value <= kMaxRunQuantity) return;
  const pugi::xml_node description = FindField(node, "description");
  Raise(kErrInvalidArgument, std::string("the ") + field + " " + FieldText(node, field) + " of \"" +
                                 description.text().get() + "\" (node " + NodeId(node) +
                                 ") cannot be sized: it must be from 0 to " +
                                 FormatNumber(kMaxRunQuantity));
}

}  // namespace

void CheckRunInput(pugi::xml_node node) {
  CheckQuantity(node, "length");
  if (CarriesOwnLoad(FieldView(node, "appliance"))) CheckQuantity(node, "load");
}

}  // namespace cv
