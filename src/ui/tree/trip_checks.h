// The trip-flow checks: an edit after which the appliance load behind an EFV
// would exceed the EFV's trip flow is refused with the trip-flow message
// (OK and Cancel). Each check returns false exactly when it showed the
// message; the answer is passed back for the callers that act on it.
#pragma once

#include <QString>
#include <pugixml.hpp>
#include <string>

#include "core/messages.h"
#include "project/program_state.h"

class QTreeWidgetItem;

namespace cv::ui {

struct TripContext {
  const pugi::xml_document& doc;
  const ProgramState& state;
  MessageSink& messages;
};

struct TripResult {
  bool passed = true;
  MessageAnswer answer = MessageAnswer::Ok;  // the answer to the message, if shown
};

std::string TripFlowMessage(const std::string& modelId, double tripFlow);

// Fails when the trip flow of the model is strictly less than the total;
// then shows the message naming the model. An unknown model fails with
// error 5.
TripResult CheckTripFlow(double total, const std::string& modelId, const TripContext& ctx);

// True when some SystemNode is an EFV; sets EFVPresent accordingly.
bool SetEFVPresence(const pugi::xml_document& doc, ProgramState& state);

// Before the selected node is updated with the typed load and kind: the load
// behind the nearest EFV at or above the node, with the node's own stored
// load replaced by the typed one (converted from the display units). A node
// that passes loads through counts no load of its own, before or after.
bool CompareEFVTripflowToLoads(QTreeWidgetItem* selected, const QString& typedLoad,
                               const QString& newKind, const TripContext& ctx);
// An EFV dropped onto a target.
bool EFVDragEFVTripflowToLoads(pugi::xml_node draggedEFV, pugi::xml_node target,
                               const TripContext& ctx);
// A node dropped onto an EFV.
bool EFVSelectedEFVTripflowToLoads(pugi::xml_node dragged, pugi::xml_node targetEFV,
                                   const TripContext& ctx);
// A node, not an EFV, dropped onto a node that is not an EFV.
bool DragDropCompareEFVTripflowToLoads(QTreeWidgetItem* dragged, QTreeWidgetItem* target,
                                       const TripContext& ctx);

// Turning a node into an EFV of the model: the loads below the node count,
// its own load does not (also when it is a fitting whose stored load is the
// total below it).
TripResult CheckNewEFV(pugi::xml_node node, const std::string& modelId, const TripContext& ctx);

}  // namespace cv::ui
