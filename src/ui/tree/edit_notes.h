// What the status bar tells after an edit.
#pragma once

#include <cstddef>
#include <pugixml.hpp>
#include <string>

namespace cv::ui {

// The number of runs below a node, at every depth.
std::size_t CountNodesBelow(pugi::xml_node node);

// "Removed 'Kitchen Manifold' and 3 runs below it. Ctrl+Z brings them back."
std::string RemovalNote(const std::string& name, std::size_t runsBelow);

}  // namespace cv::ui
