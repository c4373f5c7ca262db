#include "edit/rule_check.h"

#include "edit/placement_rules.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "sizing/network_calculation.h"

namespace cv {
namespace {

// The message a node breaks, or "" when it stands where it may.
std::string NodeRefusal(pugi::xml_node node, bool dual, const EFVCatalog& catalog) {
  if (IsKind(node, "EFV")) {
    if (FindAtOrAbove(node.parent(), "EFV")) return kSeriesMessage;
    if (!OnLowPressureSide(node, dual)) return kHighPressureMessage;
    if (TripRefusal trip = CheckTripFlow(AddLoads(node), FieldText(node, "ModelNumber"), catalog))
      return trip->text;
  }
  if (IsKind(node, "Regulator") && !RegulatorAllowedAt(node, dual)) return kHighPressureMessage;
  return "";
}

}  // namespace

std::vector<BrokenRule> CheckProjectRules(const Project& project) {
  const bool dual = project.IsDualSystem();
  std::vector<BrokenRule> broken;
  for (pugi::xml_node node : AllSystemNodes(project.Doc())) {
    std::string message = NodeRefusal(node, dual, project.Catalog());
    if (!message.empty())
      broken.push_back({NodeId(node), FieldText(node, "description"), std::move(message)});
  }
  return broken;
}

}  // namespace cv
