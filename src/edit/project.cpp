#include "edit/project.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "edit/placement_rules.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "project/project_state.h"
#include "supply/supply_update.h"

namespace cv {
namespace {

EditOutcome Refused(std::string text, bool showTarget = true) {
  return {EditStatus::Refused, {std::move(text), "", MessageButtons::Ok}, showTarget};
}

EditOutcome FromTrip(TripRefusal refusal) {
  if (!refusal) return {};
  return {EditStatus::Refused, std::move(*refusal), true};
}

// The fixed-size flag is inserted ahead of the node's child nodes when an
// older file has none, so that field elements stay in front.
pugi::xml_node FixedSizeField(pugi::xml_node node) {
  pugi::xml_node field = FindField(node, "materialSizeFixed");
  if (field) return field;
  pugi::xml_node firstChild = node.child(kSystemNodeName);
  return firstChild ? node.insert_child_before("materialSizeFixed", firstChild)
                    : node.append_child("materialSizeFixed");
}

}  // namespace

std::string Project::UnitSystem() const { return DocumentUnitSystem(doc_); }

bool Project::IsDualSystem() const { return cv::IsDualSystem(doc_); }

bool Project::HasEFV() const { return DocumentHasEFV(doc_); }

pugi::xml_node Project::AddRun(pugi::xml_node parent) {
  if (!IsSystemRoot(parent) && !IsSystemNode(parent)) return {};
  return AppendNewSystemNode(parent, DrawNewNodeId(doc_));
}

EditOutcome Project::RemoveRun(pugi::xml_node node) {
  if (!IsSystemNode(node)) return {EditStatus::Unchanged, {}, false};
  node.parent().remove_child(node);
  WriteEFVEnabled();
  return {};
}

EditOutcome Project::DropTable(pugi::xml_node dragged, pugi::xml_node target) const {
  const bool dual = IsDualSystem();
  switch (DecideDrop(dragged, target, dual)) {
    case DropOutcome::Nothing:
      return {EditStatus::Unchanged, {}, false};
    case DropOutcome::SeriesRefusedQuiet:
      return Refused(kSeriesMessage, false);
    case DropOutcome::SeriesRefused:
      return Refused(kSeriesMessage);
    case DropOutcome::HighPressureRefused:
      return Refused(kHighPressureMessage);
    case DropOutcome::MoveIfEFVTripAllows:
      return FromTrip(CheckEFVDrop(dragged, target, *catalog_));
    case DropOutcome::Move:
      return {};
    case DropOutcome::MoveIfOntoEFVTripAllows:
      return FromTrip(CheckDropOntoEFV(dragged, target, *catalog_));
    case DropOutcome::MoveIfParentOrTripAllows:
      // Onto its own parent (or higher up its path) the load stays where it
      // was.
      if (IsSystemNode(target) && IsSameOrBelow(dragged, target)) return {};
      return FromTrip(CheckSubtreeDrop(dragged, target, *catalog_));
  }
  return {};
}

EditOutcome Project::CheckMove(pugi::xml_node dragged, pugi::xml_node target) const {
  // A drop into the dragged node's own branch is refused by the move
  // itself, before any EFV rule could speak of it.
  if (IsSystemNode(dragged) && target != dragged && IsSameOrBelow(target, dragged))
    return Refused(
        "'" + FieldText(dragged, "description") + "' cannot be moved into its own branch.", false);
  return DropTable(dragged, target);
}

EditOutcome Project::MoveRun(pugi::xml_node dragged, pugi::xml_node target) {
  EditOutcome outcome = CheckMove(dragged, target);
  if (outcome.status == EditStatus::Done) target.append_move(dragged);
  return outcome;
}

EditOutcome Project::UpdateRun(pugi::xml_node node, const RunFields& f) {
  if (!IsSystemNode(node)) return {EditStatus::Unchanged, {}, false};
  const bool becomesEFV = f.appliance == "EFV" && FieldText(node, "appliance") != "EFV";
  TripRefusal refusal = becomesEFV
                            ? CheckNewEFV(node, f.model, *catalog_)
                            : CheckNewLoad(node, ParseNumber(f.load), f.appliance, *catalog_);
  if (refusal) return FromTrip(std::move(refusal));
  WithContext("modTreeFunctions.UpdateNode", [&] {
    SetFieldText(node, "description", f.description);
    SetFieldText(node, "load", f.load);
    SetFieldText(node, "length", f.length);
    SetFieldText(node, "material", f.material);
    SetFieldText(node, "materialSize", f.materialSize);
    SetFieldText(node, "appliance", f.appliance);
    SetElementText(FixedSizeField(node), f.sizeFixed ? "1" : "0");
    for (const char* pressure : {"SupplyPressure", "PressureDrop", "DeliveredPressure"})
      SetFieldText(node, pressure, "0");
    SetFieldText(node, "ModelNumber", f.appliance == "EFV" ? f.model : "Other");
  });
  WriteEFVEnabled();
  return {};
}

void Project::ApplySupply(const SupplySettings& settings) { ApplySupplySettings(doc_, settings); }

void Project::WriteEFVEnabled() {
  SetFieldText(ProjectRoot(doc_), "EFVEnabled", HasEFV() ? "True" : "False");
}

}  // namespace cv
