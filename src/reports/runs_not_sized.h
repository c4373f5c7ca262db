// Which runs the last calculation left without a proper size: the reports
// mark them (red on paper and in drawings, a status in JSON).
#pragma once

#include <string>
#include <vector>

#include "project/program_state.h"

namespace cv {

// The ids of the runs the last calculation could not size, in the order
// they failed.
std::vector<std::string> RunsNotSized(const ProgramState& state);

}  // namespace cv
