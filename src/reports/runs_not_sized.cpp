#include "reports/runs_not_sized.h"

namespace cv {

std::vector<std::string> RunsNotSized(const ProgramState& state) {
  std::vector<std::string> ids;
  for (const ProgramState::SizingFailure& failure : state.SizingFailures)
    ids.push_back(failure.nodeId);
  return ids;
}

}  // namespace cv
