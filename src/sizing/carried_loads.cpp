#include "sizing/carried_loads.h"

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/tables.h"

namespace cv {

namespace {

double LoadField(pugi::xml_node node) {
  return TryParseNumber(FindField(node, "load").text().get()).value_or(0);
}

}  // namespace

CarriedLoads::CarriedLoads(const pugi::xml_document& doc) {
  for (pugi::xml_node child : ProjectRoot(doc).children(kSystemNodeName)) Collect(child);
}

// Children first in document order, then the run's own load: the order of
// AddLoads, so that the sums agree to the last bit.
double CarriedLoads::Collect(pugi::xml_node node) {
  double sum = 0;
  bool below = false;
  for (pugi::xml_node child : node.children(kSystemNodeName)) {
    sum += Collect(child);
    below = true;
  }
  Entry& entry = entries_[node.internal_object()];
  if (PassesLoadThrough(FindField(node, "appliance").text().get())) {
    entry.load = ParseNumber(FormatNumber(sum));
  } else {
    sum += LoadField(node);
    entry = {sum, below};
  }
  return sum;
}

double CarriedLoads::Of(pugi::xml_node node) const {
  const auto it = entries_.find(node.internal_object());
  return it != entries_.end() ? it->second.load : LoadField(node);
}

std::string CarriedLoads::TextOf(pugi::xml_node node) const {
  const auto it = entries_.find(node.internal_object());
  if (it == entries_.end() || !it->second.addsBelow) return FindField(node, "load").text().get();
  return FormatNumber(it->second.load);
}

}  // namespace cv
