// The trip-flow checks: an edit after which the appliance load behind an EFV
// would exceed the EFV's trip flow is refused with the trip-flow message (OK
// and Cancel; the answer does not undo the refusal). Loads are in kBTU per
// hour, as stored. Each check returns the message to show, or nothing when
// the edit may go ahead; an unknown model fails with error 5.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

#include "core/messages.h"
#include "efv/efv_catalog.h"

namespace cv {

using TripRefusal = std::optional<Message>;

std::string TripFlowMessage(const std::string& modelId, double tripFlow);

// Refused when the model's trip flow is strictly less than the total.
TripRefusal CheckTripFlow(double total, const std::string& modelId, const EFVCatalog& catalog);

// Before a node is stored with a new load and kind: the load behind the
// nearest EFV at or above it, with the node's own stored load replaced by
// the new one. A node that passes loads through counts none of its own.
TripRefusal CheckNewLoad(pugi::xml_node node, double newLoad, std::string_view newKind,
                         const EFVCatalog& catalog);
// Turning a node into an EFV of the model: the loads below the node count,
// its own does not (also when it is a fitting whose stored load is the
// total below it).
TripRefusal CheckNewEFV(pugi::xml_node node, const std::string& modelId, const EFVCatalog& catalog);
// An EFV dropped onto a target.
TripRefusal CheckEFVDrop(pugi::xml_node draggedEFV, pugi::xml_node target,
                         const EFVCatalog& catalog);
// A node dropped onto an EFV.
TripRefusal CheckDropOntoEFV(pugi::xml_node dragged, pugi::xml_node targetEFV,
                             const EFVCatalog& catalog);
// A node, not an EFV, dropped onto a node that is not an EFV: the dragged
// load joins the EFV at or above the target.
TripRefusal CheckSubtreeDrop(pugi::xml_node dragged, pugi::xml_node target,
                             const EFVCatalog& catalog);

}  // namespace cv
