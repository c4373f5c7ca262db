// Where the programs find their data (EFV catalogue, help text, logo) and
// where the calculation trace goes.
#pragma once

#include <string>

namespace cv {

// The folder of the running program.
std::string ProgramFolder();

// The file beside the program when it exists there, else the one in
// share/corvanta of the prefix the program is installed under, else the one
// in the configured data folder (which may not exist either).
std::string FindDataFile(const std::string& name);

// "LogDebugInfo.txt" in the program's folder when that is writable, else in
// the user's data folder ($XDG_DATA_HOME/corvanta or ~/.local/share/corvanta).
std::string DefaultDebugLogPath();

}  // namespace cv
