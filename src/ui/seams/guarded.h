// The standard failure box of an event handler: "Error Number: ..." with an
// OK button under the program's title; what was already written stays
// written.
#pragma once

#include <functional>

#include "core/errors.h"
#include "core/messages.h"

namespace cv::ui {

void ReportError(cv::MessageSink& messages, const CvError& error);
// Runs a handler; a run-time failure ends it with the standard box.
void RunGuarded(cv::MessageSink& messages, const std::function<void()>& handler);

}  // namespace cv::ui
