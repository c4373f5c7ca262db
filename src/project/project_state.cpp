#include "project/project_state.h"

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/run_sizing.h"

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

void DeriveStateFromDocument(const pugi::xml_document& doc, ProgramState& state) {
  const pugi::xml_node root = ProjectRoot(doc);
  RootAttributeText(root, kAttrInternalLowSupplyAllowablePressureDrop);  // all seven present
  const std::string unitSystem = UnitSystemFromVersion(RootAttributeText(root, kAttrVersion));
  const bool efvPresent = FieldText(root, "EFVEnabled") == "True";
  const bool dual = IsDualSystem(doc);
  state.UnitSystem = unitSystem;
  state.EFVPresent = efvPresent;
  state.DualSystemFlag = dual;
}

bool IsDualSystem(const pugi::xml_document& doc) {
  const pugi::xml_node root = ProjectRoot(doc);
  if (FieldText(root, "calculationType") == kFixedPressureMethod)
    return ParseNumber(RootAttributeText(root, kAttrHighSupplyAllowablePressureDrop)) != 0;
  return FieldText(root, "DualSystem") == "True";
}

bool DocumentHasEFV(const pugi::xml_document& doc) {
  for (pugi::xml_node node : AllSystemNodes(doc))
    if (FieldText(node, "appliance") == "EFV") return true;
  return false;
}

}  // namespace cv
