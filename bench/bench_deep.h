// Deep networks, where the upsizing search works hardest: a 60-deep chain
// of appliances, a 300-deep chain of tees each feeding a lamp, and random
// trees 40 runs deep. Each is timed and compared with visiting the upsizing
// order state by state, which runs in a child process under a time limit.
#pragma once

#include <string>

namespace bench {

void DeepNetworks(const std::string& catalog, int plainSeconds);

}  // namespace bench
