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

}  // namespace bench
