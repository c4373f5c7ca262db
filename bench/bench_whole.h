// The bench's figures beyond the calculation itself: the whole program
// against a floor program, and the deep chains.
#pragma once

#include <string>

namespace bench {

// Runs corvanta-size and corvanta-floor on the project file, alternately,
// and prints their median processor times, the ratio and corvanta-size's
// peak memory.
void CompareWithFloor(const std::string& projectPath, const std::string& catalog, int runs);

// Calculates the deep chains: 60 appliances one below the other, 300 tees
// each feeding one lamp.
void DeepChains(const std::string& catalog);

}  // namespace bench
