// Where an EFV or a regulator may stand, judged on the project document. A
// node's kind is its appliance text. "At or above" a node means the node and
// its parents up to, not including, the root (the gas supply).
#pragma once

#include <pugixml.hpp>

namespace cv {

inline constexpr const char* kHighPressureMessage =
    "EFV cannot be added on the High Pressure side of the system (between the gas supply and "
    "the regulator). Please add the EFV on the Low Pressure side or after the regulator";
inline constexpr const char* kSeriesMessage =
    "Cannot add EFV device at this node since there cannot be more than one EFV on the path "
    "from a particular appliance node back to the Gas Supply or the regulator. Please choose "
    "another device or review the network.";

bool IsKind(pugi::xml_node node, const char* kind);
// The nearest node of the kind at or above the node, or an empty handle.
pugi::xml_node FindAtOrAbove(pugi::xml_node node, const char* kind);
// A node of the kind along the chain of first children, the node included.
// Only the first child is followed: an EFV in a second branch below a tee
// does not count.
bool KindOnFirstChildChain(pugi::xml_node node, const char* kind);
// No EFV at or above the node and none along its chain of first children.
bool EFVAllowedAt(pugi::xml_node node);
// Not a dual-pressure system, or a regulator at or above the node: an EFV
// placed there stands on the low-pressure side.
bool OnLowPressureSide(pugi::xml_node node, bool dualSystem);
// Not a dual-pressure system, or no EFV at or above the node.
bool RegulatorAllowedAt(pugi::xml_node node, bool dualSystem);
// The node is the ancestor itself or stands below it.
bool IsSameOrBelow(pugi::xml_node node, pugi::xml_node ancestor);

// What the drop table decides for a dragged node and a target (the root for
// the gas supply).
enum class DropOutcome {
  Nothing,                   // the gas supply dragged, or dropped onto itself
  SeriesRefusedQuiet,        // series message, the target is not shown
  SeriesRefused,             // series message, then the target is shown
  HighPressureRefused,       // high-pressure message, then the target is shown
  MoveIfEFVTripAllows,       // an EFV dropped: the dragged EFV's trip check
  Move,                      // a regulator dropped where it may stand
  MoveIfOntoEFVTripAllows,   // a node dropped onto an EFV
  MoveIfParentOrTripAllows,  // any other drop
};
DropOutcome DecideDrop(pugi::xml_node dragged, pugi::xml_node target, bool dualSystem);

// Why changing a node's kind to the chosen one is refused: the message, or
// nullptr when the rules allow it. An EFV that stays an EFV is allowed.
const char* KindChangeRefusal(pugi::xml_node node, const char* newKind, bool dualSystem);

}  // namespace cv
