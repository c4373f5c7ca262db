// The Alt keys, buddies and screen-reader names of the two panels. Every
// letter is unique on its page and none is a letter of the menu bar (File,
// Edit, Help).
#pragma once

#include <string_view>

namespace cv {
enum class PressureUnit;
}

namespace cv::ui {

class AppliancePanel;
class SupplyPanel;

void GiveAccessKeys(AppliancePanel& panel);
void GiveAccessKeys(SupplyPanel& panel);
// The descriptions that name a unit follow the project's unit system, and
// the result boxes' the unit of the run's side.
void DescribeUnits(AppliancePanel& panel, std::string_view unitSystem);
void DescribePressures(AppliancePanel& panel, PressureUnit unit);

}  // namespace cv::ui
