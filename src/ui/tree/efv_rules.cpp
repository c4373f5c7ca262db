#include "ui/tree/efv_rules.h"

#include <QTreeWidgetItem>

#include "ui/tree/tree_items.h"

namespace cv::ui {
namespace {

const QString kEFV = QStringLiteral("EFV");
const QString kRegulator = QStringLiteral("Regulator");

// The top is recognised by its key, so that a node a user happened to call
// "Gas Supply" does not hide what stands above it.
bool IsTop(const QTreeWidgetItem* item) { return !item || IsGasSupplyItem(item); }

// The nearest item at or above the item whose image is the key, or nullptr.
QTreeWidgetItem* FindAtOrAbove(QTreeWidgetItem* item, const QString& imageKey) {
  for (QTreeWidgetItem* p = item; !IsTop(p); p = p->parent())
    if (ItemImageKey(p) == imageKey) return p;
  return nullptr;
}

bool HasAtOrAbove(const QTreeWidgetItem* item, const QString& imageKey) {
  return FindAtOrAbove(const_cast<QTreeWidgetItem*>(item), imageKey) != nullptr;
}

}  // namespace

bool CanAddEFVAtThePresentNode(const QTreeWidgetItem* item) {
  return !HasAtOrAbove(item, kEFV) && CheckTreeviewForChildEFV(item, kEFV);
}

bool EFVOnHighPressureSide(const QTreeWidgetItem* item, bool dualSystem) {
  return !dualSystem || HasAtOrAbove(item, kRegulator);
}

bool RegulatorChildOfEFV(const QTreeWidgetItem* item, bool dualSystem) {
  return !dualSystem || !HasAtOrAbove(item, kEFV);
}

bool CheckTreeviewForChildEFV(const QTreeWidgetItem* item, const QString& imageKey) {
  for (const QTreeWidgetItem* c = item; c; c = c->childCount() > 0 ? c->child(0) : nullptr)
    if (ItemImageKey(c) == imageKey) return false;
  return true;
}

bool CheckTreeviewForParentEFV(const QTreeWidgetItem* item) {
  for (const QTreeWidgetItem* p = item; p; p = p->parent())
    if (ItemImageKey(p) == kEFV) return false;
  return true;
}

QTreeWidgetItem* ChecktreeviewforEFV(QTreeWidgetItem* item) { return FindAtOrAbove(item, kEFV); }

bool CheckDragNodeParentOfSelectedNode(const QTreeWidgetItem* dragged,
                                       const QTreeWidgetItem* target) {
  if (IsGasSupplyItem(target)) return false;
  const QString targetId = ItemId(target);
  for (const QTreeWidgetItem* p = dragged; !IsTop(p); p = p->parent())
    if (ItemId(p) == targetId) return true;
  return false;
}

DropOutcome DecideDrop(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target,
                       bool dualSystem) {
  if (!dragged || !target || IsGasSupplyItem(dragged) || ItemKey(dragged) == ItemKey(target))
    return DropOutcome::Nothing;
  const QString draggedKind = ItemImageKey(dragged);
  const bool ontoEFV = ItemImageKey(target) == kEFV;
  if (draggedKind == kEFV) {
    if (ontoEFV) return DropOutcome::SeriesRefusedQuiet;
    if (!EFVOnHighPressureSide(target, dualSystem)) return DropOutcome::HighPressureRefused;
    if (!CanAddEFVAtThePresentNode(target)) return DropOutcome::SeriesRefused;
    return DropOutcome::MoveIfEFVTripAllows;
  }
  if (draggedKind == kRegulator) {
    return RegulatorChildOfEFV(target, dualSystem) ? DropOutcome::Move
                                                   : DropOutcome::HighPressureRefused;
  }
  const bool subtreeHasNoEFV = CheckTreeviewForChildEFV(dragged, kEFV);
  if (ontoEFV)
    return subtreeHasNoEFV ? DropOutcome::MoveIfOntoEFVTripAllows : DropOutcome::SeriesRefused;
  if (!CheckTreeviewForParentEFV(target) && !subtreeHasNoEFV) return DropOutcome::SeriesRefused;
  if (!EFVOnHighPressureSide(target, dualSystem) && !subtreeHasNoEFV)
    return DropOutcome::HighPressureRefused;
  return DropOutcome::MoveIfParentOrTripAllows;
}

}  // namespace cv::ui
