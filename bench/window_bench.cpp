// corvanta-window-bench: times the window on generated networks of 1,000
// and 10,000 nodes, offscreen: one edit (a load changed and "Update"
// pressed) and opening the project from its file, each beside the bare
// network calculation so the window's own share shows.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "core/command_usage.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "ui/files/project_commands.h"
#include "ui/panels/appliance_panel.h"
#include "ui/seams/qt_dialogs.h"
#include "ui/tree/network_view.h"
#include "ui/windows/main_window.h"
#include "ui/windows/program.h"

namespace {

// Every message is answered with its first button.
class QuietMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override {
    ++shown;
    return message.buttons == cv::MessageButtons::YesNo ||
                   message.buttons == cv::MessageButtons::YesNoCancel
               ? cv::MessageAnswer::No
               : cv::MessageAnswer::Ok;
  }
  int shown = 0;
};

// A building of flats on a steel main: one branch manifold per ten flats,
// each flat a regulator, a tubing manifold and seven runs, one of them a
// tee to two appliances.
void MakeBuilding(pugi::xml_document& doc, int nodes) {
  cv::BuildNewProject(doc);
  pugi::xml_node root = cv::ProjectRoot(doc);
  const char* supply[] = {
      "CVSystem-2.2.4-English", "Natural Gas", "138.65", "97.055", "7", "0", "3"};
  for (int i = 0; i < 7; ++i) cv::SetRootAttributeText(root, i, supply[i]);
  cv::SetFieldText(root, "DualSystem", "True");
  int count = 0;
  auto add = [&](pugi::xml_node parent, const char* kind, int load, int length, const char* pipe) {
    pugi::xml_node node = cv::AppendNewSystemNode(parent, std::to_string(500000 + count++));
    cv::SetFieldText(node, "description", std::string(kind) + " " + std::to_string(count));
    cv::SetFieldText(node, "appliance", kind);
    cv::SetFieldText(node, "load", std::to_string(load));
    cv::SetFieldText(node, "length", std::to_string(length));
    cv::SetFieldText(node, "material", pipe);
    return node;
  };
  static const char* kinds[] = {"Furnace", "Water Heater", "Range", "Dryer", "Fireplace", "Boiler"};
  pugi::xml_node branch;
  for (int flat = 0; count < nodes; ++flat) {
    if (flat % 10 == 0) branch = add(root, "Manifold", 0, 30 + flat % 50, "Pipe");
    pugi::xml_node manifold =
        add(add(branch, "Regulator", 0, 10 + flat % 25, "CORVANTA"), "Manifold", 0, 2, "CORVANTA");
    for (int i = 0; i < 6; ++i)
      add(manifold, kinds[i], 25 + (flat * 11 + i * 17) % 60, 8 + (flat + i * 7) % 30, "CORVANTA");
    pugi::xml_node tee = add(manifold, "Tee", 0, 20, "CORVANTA");
    add(tee, "Grill", 40, 15, "CORVANTA");
    add(tee, "Lamp", 3, 10, "CORVANTA");
  }
}

using bench::Median;
using bench::Timing;

QTreeWidgetItem* ItemWithText(QTreeWidget* tree, const QString& prefix, int skip) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->text(0).startsWith(prefix) && skip-- == 0) return *it;
  return nullptr;
}

void Bench(int nodes, int runs) {
  QuietMessages messages;
  cv::ui::QtFileDialogs files;
  cv::ui::QtPrinterDialogs printers;
  cv::ui::Seams seams{&messages, &files, &printers};
  cv::ui::MainWindow window(seams);
  cv::ui::WireControllers(window, seams);
  if (!window.StartUp()) return;
  auto* commands = window.findChild<cv::ui::ProjectCommands*>();
  messages.shown = 0;  // a start-up without the help file says so

  pugi::xml_document doc;
  MakeBuilding(doc, nodes);
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("corvanta-window-bench-" + std::to_string(nodes) + ".cv"))
                               .string();
  cv::SaveDocumentFile(doc, path);
  cv::ProgramState state;
  cv::DeriveStateFromDocument(doc, state);
  const Timing calculate = Median(runs, [&] { cv::CalculateProject(doc, state); });

  const Timing open = Median(runs, [&] { commands->OpenFile(QString::fromStdString(path)); });
  const int count = static_cast<int>(cv::AllSystemNodes(window.Document()).size());

  // The edit: a furnace half way down the tree gets a new load.
  QTreeWidgetItem* item = ItemWithText(window.Tree(), QStringLiteral("Furnace"), count / 20);
  int load = 30;
  const Timing edit = Median(runs, [&] {
    window.Network().ClickNode(item);
    window.Panel()->txtLoad->setText(QString::number(load++));
    window.Panel()->cmdUpdate->click();
  });
  std::filesystem::remove(path);
  std::printf(
      "%6d nodes  edit %7.1f ms (cpu %7.1f)  open %7.1f ms (cpu %7.1f)  CalculateNetwork alone "
      "%7.1f ms (cpu %7.1f)%s\n",
      count, edit.wall, edit.cpu, open.wall, open.cpu, calculate.wall, calculate.cpu,
      messages.shown ? "  messages were shown" : "");
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kProgram = "corvanta-window-bench";
  constexpr const char* kUsage =
      "Usage: corvanta-window-bench [--runs N] [NODES...]\n"
      "\n"
      "Times one edit and one open in the window (offscreen) on generated networks\n"
      "(default 1000 and 10000 nodes), beside the bare calculation.\n";
  if (auto status = cv::AnswerHelpOrBadOption(argc, argv, kProgram, kUsage, {"--runs"}))
    return *status;
  int runs = 5;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && ++i >= argc)
      return cv::RefuseUsage(kProgram, "--runs needs a value", kUsage);
    const std::optional<int> count = cv::CountArgument(argv[i]);
    if (!count) return cv::RefuseUsage(kProgram, std::string("not a count: ") + argv[i], kUsage);
    (arg == "--runs" ? runs : sizes.emplace_back()) = *count;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (sizes.empty()) sizes = {1000, 10000};
  std::printf("median of %d runs each\n", runs);
  for (int nodes : sizes) Bench(nodes, runs);
  return 0;
}
