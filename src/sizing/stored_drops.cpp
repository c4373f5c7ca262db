#include "sizing/stored_drops.h"

#include "core/number_text.h"
#include "project/document.h"

namespace cv {
namespace {

using NodeDrops = std::vector<std::pair<pugi::xml_node, double>>;

bool IsSource(pugi::xml_node element) {
  return IsSystemRoot(element) || FieldView(element, "appliance") == "Regulator";
}

// Each run adds its segment drop to its parent's drop from the source, and
// rounds as the walk from the source does.
void CollectBelow(pugi::xml_node element, double elementDrop, NodeDrops& out) {
  const double carried = IsSource(element) ? 0 : elementDrop;
  for (pugi::xml_node child : element.children(kSystemNodeName)) {
    const auto segment = TryParseNumber(FindField(child, "PressureDrop").child_value());
    const double drop = Round2(segment.value_or(0) + carried);
    out.emplace_back(child, drop);
    CollectBelow(child, drop, out);
  }
}

}  // namespace

NodeDrops StoredDropsFromSource(const pugi::xml_document& doc) {
  NodeDrops out;
  CollectBelow(ProjectRoot(doc), 0, out);
  return out;
}

}  // namespace cv
