// A monkey session: a fresh main window on a project, driven event by event
// with the checks after each; and the cutting down of a failing run.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monkey_checks.h"
#include "monkey_history.h"
#include "monkey_seams.h"

namespace cv::ui {
class MainWindow;
}

namespace cv::ui::monkey {

class Session {
 public:
  // Starts the window as the program does and opens a copy of the project
  // (none: an untitled one).
  explicit Session(const QString& project);
  ~Session();

  MainWindow& Window() { return *window_; }
  MonkeySeams& Dialogs() { return seams_; }
  // Performs the event, then checks; deep adds the saved-text and
  // history checks.
  std::optional<Finding> Step(const std::string& event, bool deep);
  // The checks after the last event (also run by Step).
  std::optional<Finding> Check(bool deep);
  long Checks() const noexcept { return checks_; }

 private:
  QTemporaryDir folder_;
  MonkeySeams seams_;
  Seams seamSet_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<History> history_;
  long checks_ = 0;
};

struct Outcome {
  std::vector<std::string> events;  // the events performed, in order
  long checks = 0;
  std::optional<Finding> finding;  // after the last event of events
};

// events random events from the start value; deep checks every 100 and at
// the end.
Outcome RunRandom(const QString& project, std::uint64_t start, int events);
// The events in order, checked after each, with the deep checks after
// the last.
Outcome Replay(const QString& project, const std::vector<std::string>& events);
// A shorter list of events that still breaks the same check.
std::vector<std::string> CutDown(const QString& project, std::vector<std::string> events,
                                 const std::string& check);

}  // namespace cv::ui::monkey
