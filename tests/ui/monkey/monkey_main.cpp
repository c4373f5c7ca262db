// corvanta-window-monkey: random input to the real window, with the
// window's rules checked after every event.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <iostream>

#include "monkey.h"

namespace {

using namespace cv::ui::monkey;

struct Options {
  std::uint64_t start = 1;
  int events = 1000;
  QString project;
  std::string replay;
};

std::optional<Options> ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--seed")
      options.start = std::strtoull(value, nullptr, 10);
    else if (name == "--events")
      options.events = std::atoi(value);
    else if (name == "--project")
      options.project = QString::fromLocal8Bit(value);
    else if (name == "--replay")
      options.replay = value;
    else
      return std::nullopt;
  }
  if (argc % 2 == 0) return std::nullopt;
  return options;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  return lines;
}

// Prints the failure and the shortest list of events found that still
// breaks the same rule, also written to a file for --replay.
void ReportFailure(const Options& options, const Outcome& outcome) {
  std::cout << "monkey: seed " << options.start << ", event " << outcome.events.size()
            << " broke the " << outcome.finding->check << " check: " << outcome.finding->detail
            << std::endl;
  std::vector<std::string> events =
      CutDown(options.project, outcome.events, outcome.finding->check);
  const std::string file = "monkey-failure-" + std::to_string(options.start) + ".txt";
  std::ofstream out(file);
  std::cout << "monkey: these " << events.size() << " events still break it (--replay " << file
            << (options.project.isEmpty() ? "" : " --project " + options.project.toStdString())
            << "):\n";
  for (const std::string& event : events) {
    std::cout << "  " << event << "\n";
    out << event << "\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Recent files and other settings stay out of the user's own.
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << "\n";
  });
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: corvanta-window-monkey --seed N --events N [--project FILE]\n"
                 "       corvanta-window-monkey --replay FILE [--project FILE]\n";
    return 2;
  }
  const Outcome outcome = options->replay.empty()
                              ? RunRandom(options->project, options->start, options->events)
                              : Replay(options->project, ReadLines(options->replay));
  if (outcome.finding) ReportFailure(*options, outcome);
  std::cout << "monkey: seed " << options->start << ", " << outcome.events.size() << " events, "
            << outcome.checks << " invariant checks, " << (outcome.finding ? 1 : 0)
            << " failures\n";
  return outcome.finding ? 1 : 0;
}
