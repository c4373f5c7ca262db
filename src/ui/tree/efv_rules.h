// Where an EFV or a regulator may stand. The rules walk the tree's items,
// using each item's image key as its kind and the item captioned
// "Gas Supply" as the top. "At or above" an item means the item and its
// parents up to, not including, the gas supply item.
#pragma once

#include <QString>

class QTreeWidgetItem;

namespace cv::ui {

inline constexpr const char* kHighPressureMessage =
    "EFV cannot be added on the High Pressure side of the system (between the gas supply and "
    "the regulator). Please add the EFV on the Low Pressure side or after the regulator";
inline constexpr const char* kSeriesMessage =
    "Cannot add EFV device at this node since there cannot be more than one EFV on the path "
    "from a particular appliance node back to the Gas Supply or the regulator. Please choose "
    "another device or review the network.";

// No EFV at or above the item and none along its chain of first children.
bool CanAddEFVAtThePresentNode(const QTreeWidgetItem* item);
// Not a dual-pressure system, or a regulator at or above the item.
bool EFVOnHighPressureSide(const QTreeWidgetItem* item, bool dualSystem);
// Not a dual-pressure system, or no EFV at or above the item.
bool RegulatorChildOfEFV(const QTreeWidgetItem* item, bool dualSystem);
// No item along the chain of first children (the item included) has the
// image key.
bool CheckTreeviewForChildEFV(const QTreeWidgetItem* item, const QString& imageKey);
// No EFV from the item up to and including the top item.
bool CheckTreeviewForParentEFV(const QTreeWidgetItem* item);
// The nearest EFV item at or above the item, or nullptr
// (ChecktreeviewforEFV: found when not null).
QTreeWidgetItem* ChecktreeviewforEFV(QTreeWidgetItem* item);
// True when the target is the dragged item or one of its ancestors.
bool CheckDragNodeParentOfSelectedNode(const QTreeWidgetItem* dragged,
                                       const QTreeWidgetItem* target);

// What the drop table decides for a dragged item and a target.
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
DropOutcome DecideDrop(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target,
                       bool dualSystem);

}  // namespace cv::ui
