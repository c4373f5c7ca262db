// What the output commands (print, export) read of the project being edited
// and where they show what they did. The sources are asked when a command
// runs, so the project written is the one open and calculated at that
// moment; the commands change nothing in it.
#pragma once

#include <QString>
#include <functional>
#include <pugixml.hpp>
#include <string>

#include "sizing/calc_result.h"
#include "ui/seams/dialogs.h"

class QWidget;

namespace cv::ui {

struct OutputContext {
  // The dialogs' parent; its menu entries and the supply panel's lists are
  // found in it by object name.
  QWidget* window = nullptr;
  Seams seams;
  std::function<const pugi::xml_document&()> document;
  std::function<const CalcResult&()> result;
  std::function<std::string()> projectPath;
  // The node shown in the panel (empty for the gas supply).
  std::function<pugi::xml_node()> shownNode;
  // The material list built afresh, as its page shows it.
  std::function<std::string()> materialList;
  // Says in the status bar that a command did its work.
  std::function<void(const QString&)> confirm;
};

}  // namespace cv::ui
