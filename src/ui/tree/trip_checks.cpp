#include "ui/tree/trip_checks.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "sizing/tables.h"
#include "sizing/units.h"
#include "ui/tree/efv_rules.h"
#include "ui/tree/tree_items.h"

namespace cv::ui {
namespace {

pugi::xml_node RequireNode(const pugi::xml_document& doc, const QTreeWidgetItem* item) {
  pugi::xml_node node = ConvertTreeviewNodeToXMLNode(doc, item);
  if (!node) Raise(kErrMissingElement);
  return node;
}

// The load a node adds of its own to the total at and above it.
double OwnLoad(const QString& kind, double load) {
  return PassesLoadThrough(kind.toStdString()) ? 0 : load;
}

double StoredOwnLoad(pugi::xml_node node) {
  return OwnLoad(QString::fromStdString(FieldText(node, "appliance")),
                 ParseNumber(FieldText(node, "load")));
}

bool Passes(double total, pugi::xml_node efv, const TripContext& ctx) {
  return CheckTripFlow(total, FieldText(efv, "ModelNumber"), ctx).passed;
}

}  // namespace

std::string TripFlowMessage(const std::string& modelId, double tripFlow) {
  return "The sum of loads of all the appliances attached to EFV " + modelId +
         " is greater than its tripflow " + FormatNumber(tripFlow) +
         ". Please adjust the load or change the EFV Model.";
}

TripResult CheckTripFlow(double total, const std::string& modelId, const TripContext& ctx) {
  const double tripFlow = ctx.state.EFVCollection.Get(modelId).TripFlow;
  if (!(tripFlow < total)) return {};
  MessageAnswer answer =
      ctx.messages.Show({TripFlowMessage(modelId, tripFlow), "", MessageButtons::OkCancel});
  return {false, answer};
}

bool SetEFVPresence(const pugi::xml_document& doc, ProgramState& state) {
  return WithContext("modTreeFunctions.SetEFVPresence",
                     [&] { return state.EFVPresent = DocumentHasEFV(doc); });
}

bool CompareEFVTripflowToLoads(QTreeWidgetItem* selected, const QString& typedLoad,
                               const QString& newKind, const TripContext& ctx) {
  return WithContext("modTreeFunctions.CompareEFVTripflowToLoads", [&] {
    QTreeWidgetItem* efvItem = ChecktreeviewforEFV(selected);
    if (!efvItem) return true;
    pugi::xml_node upstream = RequireNode(ctx.doc, efvItem);
    pugi::xml_node node = RequireNode(ctx.doc, selected);
    // The typed load is in the display units; it is stored, and so counted,
    // in kBTU per hour.
    const double typed =
        ParseNumber(ConvertUnits(typedLoad.toStdString(), "Load", ctx.state.UnitSystem, kEnglish));
    return Passes(AddLoads(upstream) - StoredOwnLoad(node) + OwnLoad(newKind, typed), upstream,
                  ctx);
  });
}

bool EFVDragEFVTripflowToLoads(pugi::xml_node draggedEFV, pugi::xml_node target,
                               const TripContext& ctx) {
  return WithContext("modTreeFunctions.EFVDragEFVTripflowToLoads",
                     [&] { return Passes(AddLoads(target), draggedEFV, ctx); });
}

bool EFVSelectedEFVTripflowToLoads(pugi::xml_node dragged, pugi::xml_node targetEFV,
                                   const TripContext& ctx) {
  return WithContext("modTreeFunctions.EFVSelectedEFVTripflowToLoads", [&] {
    return Passes(AddLoads(dragged) + AddLoads(targetEFV), targetEFV, ctx);
  });
}

bool DragDropCompareEFVTripflowToLoads(QTreeWidgetItem* dragged, QTreeWidgetItem* target,
                                       const TripContext& ctx) {
  return WithContext("modTreeFunctions.DragDropCompareEFVTripflowToLoads", [&] {
    // A dragged subtree that holds an EFV was judged by the placement rules.
    if (!CheckTreeviewForChildEFV(dragged, QStringLiteral("EFV"))) return true;
    QTreeWidgetItem* efvItem = ChecktreeviewforEFV(target);
    if (!efvItem) return true;
    pugi::xml_node upstream = RequireNode(ctx.doc, efvItem);
    return Passes(AddLoads(RequireNode(ctx.doc, dragged)) + AddLoads(upstream), upstream, ctx);
  });
}

TripResult CheckNewEFV(pugi::xml_node node, const std::string& modelId, const TripContext& ctx) {
  double below = 0;
  for (pugi::xml_node child : ChildSystemNodes(node)) below += AddLoads(child);
  return CheckTripFlow(below, modelId, ctx);
}

}  // namespace cv::ui
