// The window's menu entries say "not available" until a command takes them
// over by their object name.
#pragma once

#include <functional>

#include "core/messages.h"

class QWidget;

namespace cv::ui {

// The window's action of that object name runs the command instead of what
// it ran before; a failure of the command is shown in the standard box. A
// window without such an action stays as it is.
void ConnectNamedAction(QWidget& window, const char* name, cv::MessageSink& messages,
                        std::function<void()> command);

}  // namespace cv::ui
