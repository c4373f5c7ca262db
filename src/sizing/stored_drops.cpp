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
double RunDrop(pugi::xml_node run, pugi::xml_node parent, double parentDrop) {
  const auto segment = TryParseNumber(FindField(run, "PressureDrop").child_value());
  return Round2(segment.value_or(0) + (IsSource(parent) ? 0 : parentDrop));
}

void CollectBelow(pugi::xml_node element, double elementDrop, NodeDrops& out) {
  for (pugi::xml_node child : element.children(kSystemNodeName)) {
    const double drop = RunDrop(child, element, elementDrop);
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

double StoredDropFromSource(pugi::xml_node run) {
  std::vector<pugi::xml_node> path;  // from the run up to the first one its source feeds
  for (pugi::xml_node n = run; IsSystemNode(n); n = n.parent()) {
    path.push_back(n);
    if (IsSource(n.parent())) break;
  }
  double drop = 0;
  for (auto it = path.rbegin(); it != path.rend(); ++it) drop = RunDrop(*it, it->parent(), drop);
  return drop;
}

}  // namespace cv
