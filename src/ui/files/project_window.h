// What the file commands need of the window they serve beside the project
// editor: the views they refresh and the places where they speak to the
// user. The window fills it in; the commands reach no widget of the window
// themselves.
#pragma once

#include <QString>
#include <functional>

#include "core/messages.h"

class QWidget;

namespace cv::ui {

struct ProjectWindow {
  QWidget* window = nullptr;  // the dialogs' parent
  cv::MessageSink* messages = nullptr;

  // A new document in English units, its gas supply shown, no file.
  std::function<void()> resetToNewProject;
  // Nothing of the last project in the tree while a file loads.
  std::function<void()> clearTree;
  // The loaded document calculated and shown, its gas supply in the panel.
  std::function<void()> showLoadedProject;
  std::function<void()> refreshMaterialList;
  // The caption, with the mark of unsaved changes added by the window.
  std::function<void(const QString&)> setCaption;
  // The status bar's text; empty clears it.
  std::function<void(const QString&)> status;
};

}  // namespace cv::ui
