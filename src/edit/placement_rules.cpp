#include "edit/placement_rules.h"

#include <cstring>

#include "project/document.h"

namespace cv {

bool IsKind(pugi::xml_node node, const char* kind) {
  return IsSystemNode(node) && std::strcmp(FindField(node, "appliance").text().get(), kind) == 0;
}

pugi::xml_node FindAtOrAbove(pugi::xml_node node, const char* kind) {
  for (pugi::xml_node p = node; IsSystemNode(p); p = p.parent())
    if (IsKind(p, kind)) return p;
  return {};
}

bool KindOnFirstChildChain(pugi::xml_node node, const char* kind) {
  for (pugi::xml_node c = node; c; c = c.child(kSystemNodeName))
    if (IsKind(c, kind)) return true;
  return false;
}

bool EFVAllowedAt(pugi::xml_node node) {
  return !FindAtOrAbove(node, "EFV") && !KindOnFirstChildChain(node, "EFV");
}

bool OnLowPressureSide(pugi::xml_node node, bool dualSystem) {
  return !dualSystem || FindAtOrAbove(node, "Regulator");
}

bool RegulatorAllowedAt(pugi::xml_node node, bool dualSystem) {
  return !dualSystem || !FindAtOrAbove(node, "EFV");
}

bool IsSameOrBelow(pugi::xml_node node, pugi::xml_node ancestor) {
  for (pugi::xml_node p = node; p; p = p.parent())
    if (p == ancestor) return true;
  return false;
}

DropOutcome DecideDrop(pugi::xml_node dragged, pugi::xml_node target, bool dualSystem) {
  if (!IsSystemNode(dragged) || !target || dragged == target) return DropOutcome::Nothing;
  const bool ontoEFV = IsKind(target, "EFV");
  if (IsKind(dragged, "EFV")) {
    if (ontoEFV) return DropOutcome::SeriesRefusedQuiet;
    if (!OnLowPressureSide(target, dualSystem)) return DropOutcome::HighPressureRefused;
    if (!EFVAllowedAt(target)) return DropOutcome::SeriesRefused;
    return DropOutcome::MoveIfEFVTripAllows;
  }
  if (IsKind(dragged, "Regulator")) {
    return RegulatorAllowedAt(target, dualSystem) ? DropOutcome::Move
                                                  : DropOutcome::HighPressureRefused;
  }
  const bool subtreeHasEFV = KindOnFirstChildChain(dragged, "EFV");
  if (ontoEFV)
    return subtreeHasEFV ? DropOutcome::SeriesRefused : DropOutcome::MoveIfOntoEFVTripAllows;
  if (subtreeHasEFV && FindAtOrAbove(target, "EFV")) return DropOutcome::SeriesRefused;
  if (subtreeHasEFV && !OnLowPressureSide(target, dualSystem))
    return DropOutcome::HighPressureRefused;
  return DropOutcome::MoveIfParentOrTripAllows;
}

const char* KindChangeRefusal(pugi::xml_node node, const char* newKind, bool dualSystem) {
  if (std::strcmp(newKind, "EFV") == 0 && !IsKind(node, "EFV")) {
    if (IsKind(node, "Regulator") && dualSystem) return kHighPressureMessage;
    if (!OnLowPressureSide(node, dualSystem)) return kHighPressureMessage;
    if (!EFVAllowedAt(node)) return kSeriesMessage;
  }
  if (std::strcmp(newKind, "Regulator") == 0 && !RegulatorAllowedAt(node, dualSystem))
    return kHighPressureMessage;
  return nullptr;
}

}  // namespace cv
