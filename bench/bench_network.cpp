// corvanta-bench: times the network calculation on generated networks of
// 100, 1,000 and 10,000 nodes (a 5 PSI steel main, tubing zones behind
// regulators, manifolds, tees, EFV-protected appliances), and the whole
// round of loading, calculating and saving a project file, and the layout
// and drawing of the network diagram and of a pressure profile.
// Then the deep networks (bench_deep.h).
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_compare.h"
#include "bench/bench_deep.h"
#include "bench/bench_whole.h"
#include "bench_timing.h"
#include "core/command_usage.h"
#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "reports/diagram_drawing.h"
#include "reports/diagram_svg.h"
#include "reports/pressure_profile.h"
#include "reports/profile_drawing.h"
#include "sizing/calc_result.h"
#include "sizing/network_calculation.h"
#include "sizing/pressure_drop.h"
#include "sizing/program_state.h"
#include "sizing/tables.h"

namespace {

// Builds a dual-pressure network of about the requested number of nodes.
class NetworkMaker {
 public:
  explicit NetworkMaker(pugi::xml_document& doc) : doc_(doc) {
    cv::BuildNewProject(doc_);
    pugi::xml_node root = cv::ProjectRoot(doc_);
    const char* supply[] = {
        "CVSystem-2.2.4-English", "Natural Gas", "138.65", "97.055", "7", "0", "3"};
    for (int i = 0; i < 7; ++i) cv::SetRootAttributeText(root, i, supply[i]);
    cv::SetFieldText(root, "DualSystem", "True");
    cv::SetFieldText(root, "EFVEnabled", "True");
  }

  void Make(int nodes) {
    pugi::xml_node root = cv::ProjectRoot(doc_);
    pugi::xml_node trunk;
    for (int zone = 0; count_ < nodes; ++zone) {
      if (zone % 10 == 0) trunk = Add(root, "Manifold", "0", "40", "Pipe");
      Zone(trunk, zone);
    }
  }

 private:
  // A regulator with its manifold and about a dozen runs behind it.
  void Zone(pugi::xml_node trunk, int zone) {
    pugi::xml_node reg = Add(trunk, "Regulator", "0", std::to_string(15 + zone % 20), "CORVANTA");
    pugi::xml_node manifold = Add(reg, "Manifold", "0", "3", "CORVANTA");
    static const char* kinds[] = {"Furnace", "Water Heater", "Range", "Dryer", "Fireplace"};
    for (int i = 0; i < 5; ++i)
      Add(manifold, kinds[i], std::to_string(20 + (zone * 7 + i * 13) % 70),
          std::to_string(10 + (zone + i * 9) % 35), i == 3 ? "Pipe" : "CORVANTA");
    pugi::xml_node tee = Add(manifold, "Tee", "0", "25", "CORVANTA");
    Add(tee, "Grill", "45", "18", "CORVANTA");
    Add(tee, "Lamp", "2.5", "12", "CORVANTA");
    pugi::xml_node efv = Add(manifold, "EFV", "0", "2", "CORVANTA");
    cv::SetFieldText(efv, "ModelNumber", "CV-EFV-135");
    Add(efv, "Boiler", std::to_string(60 + zone % 30), "14", "CORVANTA");
  }

  pugi::xml_node Add(pugi::xml_node parent, const char* kind, const std::string& load,
                     const std::string& length, const char* material) {
    pugi::xml_node node = cv::AppendNewSystemNode(parent, std::to_string(100000 + count_++));
    cv::SetFieldText(node, "description", std::string(kind) + " " + std::to_string(count_));
    cv::SetFieldText(node, "appliance", kind);
    cv::SetFieldText(node, "load", load);
    cv::SetFieldText(node, "length", length);
    cv::SetFieldText(node, "material", material);
    return node;
  }

  pugi::xml_document& doc_;
  int count_ = 0;
};

using bench::Median;
using bench::Timing;

long PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Runs of a known material that ended without a valid size.
int UnsizedRuns(const pugi::xml_document& doc) {
  int unsized = 0;
  for (pugi::xml_node node : cv::AllSystemNodes(doc))
    if (cv::SizeIndexOf(cv::FieldText(node, "materialSize"), cv::FieldText(node, "material")) < 0)
      ++unsized;
  return unsized;
}

// A canvas that draws nothing: the cost of the drawing code alone.
class NullCanvas : public cv::DiagramCanvas {
 public:
  void DrawLine(double, double, double, double, cv::Colour, double) override { ++items; }
  void DrawBox(double, double, double, double, cv::Colour, cv::Colour, double) override { ++items; }
  void DrawText(double, double, std::string_view, const cv::CanvasFont&, cv::Colour) override {
    ++items;
  }
  void DrawIcon(std::string_view, double, double, double) override { ++items; }
  long items = 0;
};

// The diagram of the calculated network: its layout, then the layout drawn
// on a canvas that draws nothing and written as SVG text.
void BenchDiagram(const pugi::xml_document& doc, int count, int runs) {
  NullCanvas canvas;
  size_t svgBytes = 0;
  const Timing layout = Median(runs, [&] { cv::LayOutDiagram(doc); });
  const Timing drawn = Median(runs, [&] { cv::DrawDiagram(canvas, cv::LayOutDiagram(doc)); });
  const Timing svg =
      Median(runs, [&] { svgBytes = cv::DiagramSvg(cv::LayOutDiagram(doc)).size(); });
  std::printf(
      "%6d nodes  diagram layout %8.2f ms (cpu %8.2f)  layout+draw %8.2f ms (cpu %8.2f)  "
      "layout+SVG %8.2f ms (cpu %8.2f, %zu kB)\n",
      count, layout.wall, layout.cpu, drawn.wall, drawn.cpu, svg.wall, svg.cpu, svgBytes / 1024);
}

// The pressure profiles that take longest: of the deepest appliance (the
// longest path) and of the last one in document order (the longest search
// for its id); each found, built, drawn on a canvas that draws nothing and
// written as SVG text, as the page and the export do with the result the
// window holds.
void BenchProfile(const pugi::xml_document& doc, const std::vector<cv::SizingFailure>& failures,
                  int count, int runs) {
  std::string deepest, last;
  int depth = -1;
  for (pugi::xml_node node : cv::AllSystemNodes(doc)) {
    if (!cv::IsApplianceOrRegulator(node)) continue;
    int d = 0;
    for (pugi::xml_node p = node; cv::IsSystemNode(p); p = p.parent()) ++d;
    if (d > depth) {
      depth = d;
      deepest = cv::NodeId(node);
    }
    last = cv::NodeId(node);
  }
  const cv::CalcResult result = cv::ReadCalcResult(doc, cv::IsDualSystem(doc), failures);
  for (const auto& [which, id] : {std::pair{"deepest", deepest}, {"last", last}}) {
    const auto build = [&, &id = id] {
      return cv::BuildPressureProfile(doc, id, cv::IsDualSystem(doc), cv::DocumentUnitSystem(doc),
                                      result);
    };
    NullCanvas canvas;
    const Timing drawn = Median(runs, [&] { cv::DrawPressureProfile(canvas, build()); });
    const Timing svg = Median(runs, [&] { cv::PressureProfileSvg(build()); });
    std::printf(
        "%6d nodes  profile of the %-7s appliance (%3zu points) build+draw %8.3f ms (cpu %8.3f)  "
        "build+SVG %8.3f ms (cpu %8.3f)\n",
        count, which, build().points.size(), drawn.wall, drawn.cpu, svg.wall, svg.cpu);
  }
}

void Bench(int nodes, int runs, const std::string& catalog, bool keep, bool whole) {
  cv::ProgramState state;
  state.EFVCollection.Load(catalog);
  pugi::xml_document doc;
  NetworkMaker(doc).Make(nodes);
  cv::DeriveStateFromDocument(doc, state);
  const int count = static_cast<int>(cv::AllSystemNodes(doc).size());

  cv::CalcResult result;
  const Timing calc = Median(runs, [&] { result = cv::CalculateProject(doc, state); });
  const bool failed = !result.failures.empty();
  const int unsized = UnsizedRuns(doc);
  BenchDiagram(doc, count, runs);
  BenchProfile(doc, result.failures, count, runs);
  bench::BenchCompare(doc, state.EFVCollection, count, runs);

  const std::string path =
      (std::filesystem::temp_directory_path() / ("corvanta-bench-" + std::to_string(nodes) + ".cv"))
          .string();
  cv::SaveDocumentFile(doc, path);
  doc.reset();  // the program holds one project (and its trip copy) at a time
  const Timing round = Median(runs, [&] {
    pugi::xml_document loaded;
    cv::LoadDocumentFile(loaded, path);
    cv::DeriveStateFromDocument(loaded, state);
    cv::CalculateProject(loaded, state);
    cv::SaveDocumentFile(loaded, path);
  });
  if (whole) bench::CompareWithFloor(path, catalog, runs);
  if (keep)
    std::printf("kept %s\n", path.c_str());
  else
    std::filesystem::remove(path);

  std::printf(
      "%6d nodes  CalculateNetwork %8.2f ms (cpu %8.2f)  load+calculate+save %8.2f ms "
      "(cpu %8.2f)  %s%s\n",
      count, calc.wall, calc.cpu, round.wall, round.cpu, failed ? "SIZING FAILED " : "",
      unsized ? (std::to_string(unsized) + " runs without size").c_str() : "all sized");
}

constexpr const char* kProgram = "corvanta-bench";
constexpr const char* kUsage =
    "Usage: corvanta-bench [--catalog DB] [--runs N] [--keep] [--whole]\n"
    "                      [--plain-seconds S] [NODES...]\n"
    "\n"
    "Times the network calculation on generated networks (default 100, 1000 and\n"
    "10000 nodes), the round of loading, calculating and saving, the diagram, the\n"
    "pressure profiles of the deepest and the last appliance, then the deep\n"
    "networks.\n"
    "\n"
    "  --catalog DB         EFV catalogue (default: the one of the build)\n"
    "  --runs N             median of N runs each (default 7)\n"
    "  --keep               keep the saved project files for other benches\n"
    "  --whole              add the whole program against the floor program\n"
    "  --plain-seconds S    time limit of the plain visit of the deep networks\n"
    "                       (default 5)\n"
    "  -h, --help           show this help\n";

}  // namespace

int main(int argc, char** argv) {
  if (auto status = cv::AnswerHelpOrBadOption(
          argc, argv, kProgram, kUsage,
          {"--catalog", "--runs", "--keep", "--whole", "--plain-seconds"}))
    return *status;
  std::string catalog = CORVANTA_BENCH_CATALOG;
  int runs = 7;
  int plainSeconds = 5;
  bool whole = false;
  std::vector<int> sizes;
  bool keep = false;  // --keep: the saved project file stays for other benches
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--keep" || arg == "--whole") {
      (arg == "--keep" ? keep : whole) = true;
      continue;
    }
    const bool valued = arg == "--catalog" || arg == "--runs" || arg == "--plain-seconds";
    if (valued && ++i >= argc) return cv::RefuseUsage(kProgram, arg + " needs a value", kUsage);
    const std::string value = argv[i];
    const std::optional<int> count = cv::CountArgument(value);
    if (arg == "--catalog")
      catalog = value;
    else if (!count)
      return cv::RefuseUsage(kProgram, "not a count: " + value, kUsage);
    else if (arg == "--runs" || arg == "--plain-seconds")
      (arg == "--runs" ? runs : plainSeconds) = *count;
    else
      sizes.push_back(*count);
  }
  try {
    if (sizes.empty()) sizes = {100, 1000, 10000};
    std::printf("median of %d runs each\n", runs);
    for (int nodes : sizes) Bench(nodes, runs, catalog, keep, whole);
    bench::DeepNetworks(catalog, plainSeconds);
  } catch (const cv::CvError& e) {
    std::fprintf(stderr, "%s\n", cv::StandardErrorText(e).c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", kProgram, e.what());
    return 1;
  }
  std::printf("peak memory %.1f MB\n", PeakMemoryKiB() / 1024.0);
  return 0;
}
