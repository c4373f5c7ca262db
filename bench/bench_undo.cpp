// corvanta-bench-undo: times one undo and one redo in the real window
// (offscreen) on a project file, e.g. the 10,000-node bench network that
// `corvanta-bench --keep 10000` leaves in the temporary folder.
// Usage: QT_QPA_PLATFORM=offscreen corvanta-bench-undo FILE [RUNS]
#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "project/document.h"
#include "ui/main_window.h"
#include "ui/project_commands.h"
#include "ui/qt_dialogs.h"

namespace {

class SilentMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message&) override { return cv::MessageAnswer::Ok; }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Milliseconds one call of action takes.
template <typename F>
double Time(F action) {
  QElapsedTimer timer;
  timer.start();
  action();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvanta-bench-undo FILE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  SilentMessages messages;
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
  const QString id = branch->text(0);
  std::vector<double> edits, undos, redos;
  for (int i = 0; i < runs; ++i) {
    window.ClickNode(branch);
    edits.push_back(Time([&] { window.cmdRemove_Click(); }));
    undos.push_back(Time([&] { window.UndoStack()->undo(); }));
    redos.push_back(Time([&] { window.UndoStack()->redo(); }));
    window.UndoStack()->undo();
    branch = window.SelectedItem();
  }
  std::printf(
      "%zu nodes, %zu bytes of text; median of %d: remove %.1f ms, undo %.1f ms, "
      "redo %.1f ms\n",
      cv::AllSystemNodes(window.Document()).size(), cv::SerializeDocument(window.Document()).size(),
      runs, Median(edits), Median(undos), Median(redos));
  return 0;
}
