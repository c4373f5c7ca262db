// What the output commands (print, export) read beside the project editor
// and where they show what they did. They read the project when a command
// runs, so the project written is the one open and calculated at that
// moment; they change nothing in it.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "ui/seams/dialogs.h"

class QWidget;

namespace cv::ui {

class ProfilePage;
class ProjectEditor;

struct OutputContext {
  // The dialogs' parent; its menu entries and the supply panel's lists are
  // found in it by object name.
  QWidget* window = nullptr;
  Seams seams;
  ProjectEditor* editor = nullptr;
  // The page whose profile is printed and exported.
  ProfilePage* profilePage = nullptr;
  // The material list built afresh, as its page shows it.
  std::function<std::string()> materialList;
  // Says in the status bar that a command did its work.
  std::function<void(const QString&)> confirm;
};

}  // namespace cv::ui
