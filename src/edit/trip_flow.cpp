#include "edit/trip_flow.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "edit/placement_rules.h"
#include "project/document.h"
#include "sizing/network_calculation.h"
#include "sizing/tables.h"

namespace cv {
namespace {

double OwnLoad(std::string_view kind, double load) { return PassesLoadThrough(kind) ? 0 : load; }

TripRefusal Check(double total, pugi::xml_node efv, const EFVCatalog& catalog) {
  return CheckTripFlow(total, FieldText(efv, "ModelNumber"), catalog);
}

}  // namespace

std::string TripFlowMessage(const std::string& modelId, double tripFlow) {
  return "The sum of loads of all the appliances attached to EFV " + modelId +
         " is greater than its tripflow " + FormatNumber(tripFlow) +
         ". Please adjust the load or change the EFV Model.";
}

TripRefusal CheckTripFlow(double total, const std::string& modelId, const EFVCatalog& catalog) {
  const double tripFlow = catalog.Get(modelId).TripFlow;
  if (!(tripFlow < total)) return std::nullopt;
  return Message{TripFlowMessage(modelId, tripFlow), "", MessageButtons::OkCancel};
}

TripRefusal CheckNewLoad(pugi::xml_node node, double newLoad, std::string_view newKind,
                         const EFVCatalog& catalog) {
  return WithContext("modTreeFunctions.CompareEFVTripflowToLoads", [&]() -> TripRefusal {
    pugi::xml_node upstream = FindAtOrAbove(node, "EFV");
    if (!upstream) return std::nullopt;
    const double stored = OwnLoad(FieldView(node, "appliance"), FieldNumber(node, "load"));
    return Check(AddLoads(upstream) - stored + OwnLoad(newKind, newLoad), upstream, catalog);
  });
}

TripRefusal CheckNewEFV(pugi::xml_node node, const std::string& modelId,
                        const EFVCatalog& catalog) {
  double below = 0;
  for (pugi::xml_node child : ChildSystemNodes(node)) below += AddLoads(child);
  return CheckTripFlow(below, modelId, catalog);
}

TripRefusal CheckEFVDrop(pugi::xml_node draggedEFV, pugi::xml_node target,
                         const EFVCatalog& catalog) {
  return WithContext("modTreeFunctions.EFVDragEFVTripflowToLoads",
                     [&] { return Check(AddLoads(target), draggedEFV, catalog); });
}

TripRefusal CheckDropOntoEFV(pugi::xml_node dragged, pugi::xml_node targetEFV,
                             const EFVCatalog& catalog) {
  return WithContext("modTreeFunctions.EFVSelectedEFVTripflowToLoads", [&] {
    return Check(AddLoads(dragged) + AddLoads(targetEFV), targetEFV, catalog);
  });
}

TripRefusal CheckSubtreeDrop(pugi::xml_node dragged, pugi::xml_node target,
                             const EFVCatalog& catalog) {
  return WithContext("modTreeFunctions.DragDropCompareEFVTripflowToLoads", [&]() -> TripRefusal {
    // A dragged subtree that holds an EFV was judged by the placement rules.
    if (KindOnFirstChildChain(dragged, "EFV")) return std::nullopt;
    pugi::xml_node upstream = FindAtOrAbove(target, "EFV");
    if (!upstream) return std::nullopt;
    return Check(AddLoads(dragged) + AddLoads(upstream), upstream, catalog);
  });
}

}  // namespace cv
