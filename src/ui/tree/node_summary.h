// The tool tip of a tree item: the run's calculated size and pressures in
// the display units, so that the tree shows every run's result.
#pragma once

#include <QString>
#include <pugixml.hpp>
#include <string_view>

namespace cv::ui {

// "Size: 20A CSST", then the supply, drop and delivered pressures with
// their unit ("in W.C." or "mb"), one per line. A value that is not a
// number is shown as stored.
QString NodeSummary(pugi::xml_node node, std::string_view unitSystem);

}  // namespace cv::ui
