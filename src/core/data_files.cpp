#include "core/data_files.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace cv {

namespace fs = std::filesystem;

std::string ProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec).string();
  return exe.parent_path().string();
}

std::string FindDataFile(const std::string& name) {
  std::error_code ec;
  const fs::path program = ProgramFolder();
  // Beside the program (the build tree), then share/corvanta of the prefix
  // the program is installed under, then the configured data folder.
  for (const fs::path& candidate :
       {program / name, program.parent_path() / "share" / "corvanta" / name})
    if (fs::exists(candidate, ec)) return candidate.string();
  return (fs::path(CORVANTA_DATA_DIR) / name).string();
}

std::string DefaultDebugLogPath() {
  const std::string name = "LogDebugInfo.txt";
  const std::string folder = ProgramFolder();
  if (::access(folder.c_str(), W_OK) == 0) return (fs::path(folder) / name).string();
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    data = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    data = fs::path(home) / ".local" / "share";
  else
    data = fs::temp_directory_path();
  data /= "corvanta";
  std::error_code ec;
  fs::create_directories(data, ec);
  return (data / name).string();
}

}  // namespace cv
