#include "cli/output_paths.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "sizing/network_calculation.h"

namespace cv::cli {

namespace {

namespace fs = std::filesystem;

// Two paths name one file when they lead to the same existing file, or,
// for a file still to be made, to the same place once links are followed.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  const fs::path first = fs::weakly_canonical(fs::absolute(a, ec), ec);
  const fs::path second = fs::weakly_canonical(fs::absolute(b, ec), ec);
  return !ec && first == second;
}

using Named = std::pair<const char*, std::string>;

}  // namespace

std::string OutputPathConflict(const Options& options) {
  std::vector<Named> inputs{{"the project", options.projectPath}};
  if (!options.catalogPath.empty()) inputs.emplace_back("the catalogue", options.catalogPath);
  std::vector<Named> outputs;
  for (const Named& output :
       {Named{"-o", options.outputPath}, Named{"--debug-log", options.debugLogPath},
        Named{"--export-xlsx", options.xlsxPath}, Named{"--diagram", options.diagramPath},
        Named{"--profile-svg", options.profileSvgPath}})
    if (!output.second.empty()) outputs.push_back(output);
  // Tracing also writes the trip-flow document beside the project.
  if (!options.debugLogPath.empty())
    outputs.emplace_back("the trip-flow document", TripDocumentPath(options.projectPath));

  for (size_t i = 0; i < outputs.size(); ++i) {
    for (const Named& input : inputs)
      if (SameFile(outputs[i].second, input.second))
        return std::string(outputs[i].first) + " " + outputs[i].second + " names " + input.first +
               " it reads; it would be overwritten";
    for (size_t j = 0; j < i; ++j)
      if (SameFile(outputs[i].second, outputs[j].second))
        return std::string(outputs[j].first) + " and " + outputs[i].first + " name the same file " +
               outputs[i].second;
  }
  return {};
}

}  // namespace cv::cli
