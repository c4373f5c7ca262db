#include "bench/bench_whole.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "sizing/program_state.h"

extern char** environ;

namespace bench {

namespace {

struct ProcessCost {
  double cpuMs = 0;
  long peakKiB = 0;
};

// Runs the program to its end; its processor time (user and system) and
// peak resident memory.
ProcessCost RunProcess(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    throw std::runtime_error("cannot start " + args[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(args[0] + " failed");
  const auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss};
}

}  // namespace

void CompareWithFloor(const std::string& projectPath, const std::string& catalog, int runs) {
  const std::string out = projectPath + ".out";
  std::vector<double> size, floor;
  long peak = 0;
  for (int i = 0; i < runs; ++i) {
    const ProcessCost s =
        RunProcess({CORVANTA_SIZE_PROGRAM, "--catalog", catalog, "-o", out, projectPath});
    size.push_back(s.cpuMs);
    peak = std::max(peak, s.peakKiB);
    floor.push_back(RunProcess({CORVANTA_FLOOR_PROGRAM, projectPath, out}).cpuMs);
  }
  std::filesystem::remove(out);
  std::printf(
      "        corvanta-size %8.2f ms cpu, floor program %8.2f ms cpu: %.2fx the floor; "
      "corvanta-size peak memory %.1f MB\n",
      bench::MedianOf(size), bench::MedianOf(floor), bench::MedianOf(size) / bench::MedianOf(floor),
      peak / 1024.0);
}

namespace {

class KeptMessages : public cv::MessageSink {
 public:
  cv::MessageAnswer Show(const cv::Message& message) override {
    texts.push_back(message.text);
    return cv::MessageAnswer::Ok;
  }
  std::vector<std::string> texts;
};

pugi::xml_node AddRun(pugi::xml_node parent, int id, const char* kind, const char* load,
                      const char* length) {
  pugi::xml_node node = cv::AppendNewSystemNode(parent, std::to_string(id));
  cv::SetFieldText(node, "description", std::string(kind) + " " + std::to_string(id));
  cv::SetFieldText(node, "appliance", kind);
  cv::SetFieldText(node, "load", load);
  cv::SetFieldText(node, "length", length);
  return node;
}

void Chain(const std::string& name, const std::string& catalog, int depth, bool tees) {
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  pugi::xml_node parent = cv::ProjectRoot(doc);
  for (int i = 1; i <= depth; ++i) {
    if (tees) {
      parent = AddRun(parent, i, "Tee", "0", "10");
      AddRun(parent, 100000 + i, "Lamp", "2.5", "10");
    } else {
      parent = AddRun(parent, i, "Other", "50", "10");
    }
  }
  cv::ProgramState state;
  state.EFVCollection.Load(catalog);
  KeptMessages messages;
  state.Messages = &messages;
  cv::DeriveStateFromDocument(doc, state);
  const double start = bench::CpuMilliseconds();
  cv::CalculateNetwork(doc, state);
  const double ms = bench::CpuMilliseconds() - start;
  std::string outcome = state.LastSizingFailed ? "sizing failure" : "sized";
  if (!messages.texts.empty()) outcome += ": " + messages.texts.front();
  for (char& c : outcome)
    if (c == '\n' || c == '\t') c = ' ';
  std::printf("%s: CalculateNetwork %8.2f ms cpu, %s\n", name.c_str(), ms, outcome.c_str());
}

}  // namespace

void DeepChains(const std::string& catalog) {
  Chain("60 appliances in a row (load 50, length 10)", catalog, 60, false);
  Chain("300 tees in a row, each feeding a lamp", catalog, 300, true);
}

}  // namespace bench
