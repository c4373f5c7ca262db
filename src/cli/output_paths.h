// The files corvanta-size writes must never be the files it reads, nor one
// another.
#pragma once

#include <string>

#include "cli/options.h"

namespace cv::cli {

// Why the outputs cannot be written as asked (an output names the project
// or the catalogue, or two outputs name one file), or "" when they can.
std::string OutputPathConflict(const Options& options);

}  // namespace cv::cli
