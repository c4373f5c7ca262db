#include "project/project_state.h"

#include "core/number_text.h"
#include "project/document.h"

namespace cv {

std::string UnitSystemFromVersion(std::string_view version) {
  size_t first = version.find('-');
  if (first == std::string_view::npos) return "English";
  size_t second = version.find('-', first + 1);
  if (second == std::string_view::npos) return "English";
  size_t third = version.find('-', second + 1);
  return std::string(version.substr(
      second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1));
}

std::string DocumentUnitSystem(const pugi::xml_document& doc) {
  const pugi::xml_attribute version = doc.document_element().first_attribute();
  return UnitSystemFromVersion(version ? version.value() : "");
}

bool IsDualSystem(pugi::xml_node root) {
  RootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop);  // all seven present
  if (FieldView(root, "calculationType") == "Fixed Pressure Method")
    return ParseNumber(RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop)) != 0;
  return FieldView(root, "DualSystem") == "True";
}

bool IsDualSystem(const pugi::xml_document& doc) { return IsDualSystem(ProjectRoot(doc)); }

bool DocumentHasEFV(const pugi::xml_document& doc) {
  for (pugi::xml_node node : AllSystemNodes(doc))
    if (FieldView(node, "appliance") == "EFV") return true;
  return false;
}

}  // namespace cv
