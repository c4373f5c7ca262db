// Median wall-clock and processor times of several runs of a piece of work;
// on a busy machine the processor time is the steadier figure.
#pragma once

#include <time.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

inline double CpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The middle one of several measurements.
inline double MedianOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Timing {
  double wall = 0;
  double cpu = 0;
};

template <typename F>
Timing Median(int runs, F&& f) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> walls, cpus;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    const double cpuStart = CpuMilliseconds();
    f();
    cpus.push_back(CpuMilliseconds() - cpuStart);
    walls.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(walls.begin(), walls.end());
  std::sort(cpus.begin(), cpus.end());
  return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

}  // namespace bench
