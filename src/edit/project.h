// The project being edited: the document, the catalogue its EFVs come from,
// and the settings the document implies, read from it whenever asked. Its
// operations apply the placement rules and trip-flow checks; each changes
// the document only when it is done. Recalculating after a change is the
// caller's.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "core/messages.h"
#include "efv/efv_catalog.h"

namespace cv {

struct SupplySettings;

enum class EditStatus { Done, Unchanged, Refused };

struct EditOutcome {
  EditStatus status = EditStatus::Done;
  Message message;  // what to show when refused
  // After a refused drop the target is shown, except after the series
  // refusal of an EFV dropped onto an EFV and a move into the own branch.
  bool showTarget = true;
};

// The fields of a run as the user set them, in stored units.
struct RunFields {
  std::string description;
  std::string load;
  std::string length;
  std::string material;
  std::string materialSize;
  std::string appliance;
  bool sizeFixed = false;
  std::string model;  // the EFV model; stored only for an EFV
};

class Project {
 public:
  explicit Project(const EFVCatalog& catalog) : catalog_(&catalog) {}

  pugi::xml_document& Doc() noexcept { return doc_; }
  const pugi::xml_document& Doc() const noexcept { return doc_; }
  const EFVCatalog& Catalog() const noexcept { return *catalog_; }

  // "English" or "Metric", as the root's version names it.
  std::string UnitSystem() const;
  bool IsDualSystem() const;
  bool HasEFV() const;

  // A new run at the end of the parent's (the root or a node) runs; an
  // empty handle when there is no parent.
  pugi::xml_node AddRun(pugi::xml_node parent);
  // Removes the node with its subtree; EFVEnabled follows the network.
  EditOutcome RemoveRun(pugi::xml_node node);
  // Whether the drop rules and trip-flow checks let the dragged node move
  // below the target (the root for the gas supply): Done when they do.
  EditOutcome CheckMove(pugi::xml_node dragged, pugi::xml_node target) const;
  // Moves the dragged node with its subtree to the end of the target's runs
  // when CheckMove allows it.
  EditOutcome MoveRun(pugi::xml_node dragged, pugi::xml_node target);
  // Stores the fields into the node, when the trip-flow checks allow it;
  // the pressures are cleared for the next calculation.
  EditOutcome UpdateRun(pugi::xml_node node, const RunFields& fields);
  // Writes accepted supply settings into the root.
  void ApplySupply(const SupplySettings& settings);

 private:
  EditOutcome DropTable(pugi::xml_node dragged, pugi::xml_node target) const;
  void WriteEFVEnabled();

  pugi::xml_document doc_;
  const EFVCatalog* catalog_;
};

}  // namespace cv
