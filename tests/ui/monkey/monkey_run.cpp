#include <QApplication>
#include <QDir>
#include <QFile>

#include "monkey.h"
#include "ui/files/project_commands.h"
#include "ui/windows/main_window.h"
#include "ui/windows/program.h"

namespace cv::ui::monkey {

Session::Session(const QString& project) : seams_(folder_.path()), seamSet_(seams_.AsSeams()) {
  window_ = std::make_unique<MainWindow>(seamSet_);
  WireControllers(*window_, seamSet_);
  // The splash and the help window would only stand in the way.
  window_->SetSplashHook({});
  window_->SetHelpHook({});
  window_->StartUp();
  window_->show();
  window_->activateWindow();
  QApplication::setActiveWindow(window_.get());
  QApplication::processEvents();
  if (!project.isEmpty()) {
    const QString copy = QDir(folder_.path()).filePath(QStringLiteral("start.cv"));
    QFile::copy(project, copy);
    if (auto* commands = window_->findChild<ProjectCommands*>())
      window_->Guarded([&] { commands->OpenFile(copy); });
  }
  history_ = std::make_unique<History>(*window_);
}

Session::~Session() = default;

std::optional<Finding> Session::Check(bool deep) {
  checks_ += 4;
  if (auto found = CheckAfterEvent(*window_, seams_.TakeErrorBoxes())) return found;
  if (!deep) return std::nullopt;
  ++checks_;
  if (auto found = CheckSavedTextRecalculates(*window_)) return found;
  if (history_->Present()) ++checks_;
  return history_->Check();
}

std::optional<Finding> Session::Step(const std::string& event, bool deep) {
  history_->BeforeEvent();
  Perform(event, *window_, seams_);
  return Check(deep);
}

Outcome RunRandom(const QString& project, std::uint64_t start, int events) {
  Session session(project);
  Dice dice(start);
  Outcome outcome;
  for (int i = 0; i < events && !outcome.finding; ++i) {
    outcome.events.push_back(NextEvent(dice, session.Window()));
    const bool deep = (i + 1) % 100 == 0 || i + 1 == events;
    outcome.finding = session.Step(outcome.events.back(), deep);
  }
  outcome.checks = session.Checks();
  return outcome;
}

Outcome Replay(const QString& project, const std::vector<std::string>& events) {
  Session session(project);
  Outcome outcome;
  for (size_t i = 0; i < events.size() && !outcome.finding; ++i) {
    outcome.events.push_back(events[i]);
    outcome.finding = session.Step(events[i], i + 1 == events.size());
  }
  outcome.checks = session.Checks();
  return outcome;
}

// First the shortest start of the list that still breaks the rule, then
// ever smaller runs of events dropped from it, for a bounded number of
// replays.
std::vector<std::string> CutDown(const QString& project, std::vector<std::string> events,
                                 const std::string& check) {
  auto breaksTheSame = [&](const std::vector<std::string>& list) {
    const Outcome outcome = Replay(project, list);
    return outcome.finding && outcome.finding->check == check;
  };
  size_t shortest = events.size();
  for (size_t tooShort = 0; tooShort + 1 < shortest;) {
    const size_t middle = (tooShort + shortest) / 2;
    if (breaksTheSame({events.begin(), events.begin() + middle}))
      shortest = middle;
    else
      tooShort = middle;
  }
  events.resize(shortest);
  int replays = 0;
  for (size_t chunk = events.size() / 2; chunk >= 1 && replays < 150;) {
    bool dropped = false;
    for (size_t from = 0; from < events.size() && replays < 150; ++replays) {
      std::vector<std::string> shorter(events.begin(), events.begin() + from);
      shorter.insert(shorter.end(), events.begin() + std::min(events.size(), from + chunk),
                     events.end());
      if (breaksTheSame(shorter)) {
        events = shorter;
        dropped = true;
      } else {
        from += chunk;
      }
    }
    if (!dropped) chunk /= 2;
  }
  return events;
}

}  // namespace cv::ui::monkey
