#include "bench/bench_compare.h"

#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "reports/supply_compare.h"

namespace bench {

void BenchCompare(const pugi::xml_document& doc, const cv::EFVCatalog& catalog, int count,
                  int runs) {
  const std::vector<cv::SupplyOption> own = cv::SupplyOptionsFor(doc);
  // Ten that all size the network: its own settings and the presets that
  // apply to it, over and over.
  std::vector<cv::SupplyOption> ten;
  for (size_t i = 0; ten.size() < 10; i = (i + 1) % own.size())
    if (own[i].Applicable()) ten.push_back(own[i]);
  size_t sized = 0;
  const Timing all = Median(runs, [&] { sized = cv::CompareSupplyOptions(doc, catalog).size(); });
  const Timing tenTimed = Median(runs, [&] { cv::CompareSupplyOptions(doc, catalog, ten); });
  std::printf(
      "%6d nodes  compare its %zu supply options %8.2f ms (cpu %8.2f)  10 options that size "
      "%8.2f ms (cpu %8.2f)\n",
      count, sized, all.wall, all.cpu, tenTimed.wall, tenTimed.cpu);
}

}  // namespace bench
