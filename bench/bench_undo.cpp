// corvanta-bench-undo: times one undo and one redo in the real window
// (offscreen) on a project file, e.g. the 10,000-node bench network that
// `corvanta-bench --keep 10000` leaves in the temporary folder.
// Usage: QT_QPA_PLATFORM=offscreen build/corvanta-bench-undo FILE [RUNS]
#include <time.h>

#include <QApplication>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/command_usage.h"
#include "project/document.h"
#include "ui/files/project_commands.h"
#include "ui/seams/qt_dialogs.h"
#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"
#include "ui/windows/project_wiring.h"

namespace {

// Prints every box and answers Ok.
class PrintedMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override {
    std::fprintf(stderr, "%s\n", message.text.c_str());
    return cv::MessageAnswer::Ok;
  }
};

// Milliseconds of processor time one call of action takes (the wall time
// on a busy machine says little).
template <typename F>
double Time(F action) {
  const double start = bench::CpuMilliseconds();
  action();
  return bench::CpuMilliseconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kProgram = "corvanta-bench-undo";
  constexpr const char* kUsage =
      "Usage: corvanta-bench-undo FILE [RUNS]\n"
      "\n"
      "Times one undo and one redo in the window (offscreen) on the project FILE,\n"
      "the median of RUNS (default 5).\n";
  if (auto status = cv::AnswerPlainArguments(argc, argv, kProgram, kUsage, 1, 2)) return *status;
  const std::optional<int> count = argc > 2 ? cv::CountArgument(argv[2]) : 5;
  if (!count) return cv::RefuseUsage(kProgram, std::string("not a count: ") + argv[2], kUsage);
  const int runs = *count;
  QApplication app(argc, argv);
  PrintedMessages messages;
  cv::ui::QtFileDialogs files;  // never opened: the file is opened directly
  cv::ui::QtPrinterDialogs printers;
  cv::ui::Seams seams{&messages, &files, &printers};
  cv::ui::MainWindow window(seams);
  cv::ui::InstallProjectControllers(window, seams);
  if (!window.StartUp()) return 1;
  window.findChild<cv::ui::ProjectCommands*>()->OpenFile(QString::fromLocal8Bit(argv[1]));
  // The first node with runs below it: a zone's whole branch goes.
  QTreeWidgetItem* branch = nullptr;
  for (QTreeWidgetItemIterator it(window.Tree()); *it && !branch; ++it)
    if ((*it)->parent() && (*it)->childCount() > 0) branch = *it;
  if (!branch) return 1;
  std::vector<double> edits, undos, redos;
  for (int i = 0; i < runs; ++i) {
    window.Network().ClickNode(branch);
    edits.push_back(Time([&] { window.Network().RemoveSelected(); }));
    undos.push_back(Time([&] { window.Editor().UndoStack()->undo(); }));
    redos.push_back(Time([&] { window.Editor().UndoStack()->redo(); }));
    window.Editor().UndoStack()->undo();
    branch = window.Network().SelectedItem();
  }
  const std::string text = cv::SerializeDocument(window.Document());
  const auto packed = static_cast<long long>(qCompress(QByteArray::fromStdString(text), 1).size());
  std::printf(
      "%zu nodes, %zu bytes of text (%lld compressed, kept per step); median of %d, processor "
      "time: remove %.1f ms, undo %.1f ms, redo %.1f ms\n",
      cv::AllSystemNodes(window.Document()).size(), text.size(), packed, runs,
      bench::MedianOf(edits), bench::MedianOf(undos), bench::MedianOf(redos));
  return 0;
}
