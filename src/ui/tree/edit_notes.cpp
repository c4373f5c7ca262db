#include "ui/tree/edit_notes.h"

#include "project/document.h"

namespace cv::ui {

std::size_t CountNodesBelow(pugi::xml_node node) {
  std::size_t count = 0;
  std::vector<pugi::xml_node> pending = ChildSystemNodes(node);
  while (!pending.empty()) {
    const pugi::xml_node next = pending.back();
    pending.pop_back();
    ++count;
    const std::vector<pugi::xml_node> children = ChildSystemNodes(next);
    pending.insert(pending.end(), children.begin(), children.end());
  }
  return count;
}

std::string RemovalNote(const std::string& name, std::size_t runsBelow) {
  if (runsBelow == 0) return "Removed '" + name + "'. Ctrl+Z brings it back.";
  return "Removed '" + name + "' and " + std::to_string(runsBelow) +
         (runsBelow == 1 ? " run" : " runs") + " below it. Ctrl+Z brings them back.";
}

}  // namespace cv::ui
