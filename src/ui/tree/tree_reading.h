// The tree item as a screen reader says it (the node's reading, with "not
// sized" for a run marked as failed).
#pragma once

#include <pugixml.hpp>
#include <string_view>

class QTreeWidgetItem;

namespace cv::ui {

void ShowReading(QTreeWidgetItem* item, pugi::xml_node node, std::string_view unitSystem,
                 bool dualSystem);

}  // namespace cv::ui
