#include "sizing/debug_log.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "core/errors.h"

namespace cv {

namespace {

std::string Now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[64];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
  return buf;
}

}  // namespace

void DebugLog::Restart(bool debugMode, const std::string& projectPath) {
  lineNumber_ = 0;
  if (path_.empty()) return;
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec)) return;
  if (!std::filesystem::remove(path_, ec) && ec) Raise(kErrFileAccess, path_ + ": " + ec.message());
  if (debugMode) {
    const std::string name = std::filesystem::path(projectPath).filename().string();
    Append("CORVANTA Sizing Application - " + name + " - " + Now() + "\r\n");
  }
}

void DebugLog::Write(const std::string& message) {
  if (path_.empty()) return;
  Append(std::to_string(lineNumber_) + ") " + message + "\r\n");
  ++lineNumber_;
}

void DebugLog::Append(const std::string& text) {
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())))
    Raise(kErrFileAccess, path_ + ": " + std::strerror(errno));
}

}  // namespace cv
