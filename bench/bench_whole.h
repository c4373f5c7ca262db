// The bench's figures beyond the calculation itself: the whole program
// against a floor program.
#pragma once

#include <string>

namespace bench {

// Runs corvanta-size and corvanta-floor on the project file, alternately,
// and prints their median processor times, the ratio and corvanta-size's
// peak memory.
void CompareWithFloor(const std::string& projectPath, const std::string& catalog, int runs);

}  // namespace bench
