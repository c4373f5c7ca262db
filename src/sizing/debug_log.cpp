#include "sizing/debug_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "core/errors.h"
#include "core/file_writes.h"

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
  if (!debugMode) {
    // With tracing off an old log goes; only a plain file, never a link,
    // device or folder that stands at the path.
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path_, ec)) &&
        !std::filesystem::remove(path_, ec) && ec)
      Raise(kErrFileAccess, path_ + ": " + ec.message());
    return;
  }
  // The log is emptied in place, never unlinked, so that the path may name
  // a device such as /dev/null; a missing log is left to the first line.
  const int fd = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return;
  if (fd < 0) Raise(kErrFileAccess, path_ + ": " + std::strerror(errno));
  const std::string name = std::filesystem::path(projectPath).filename().string();
  WriteAndClose(fd, "CORVANTA Sizing Application - " + name + " - " + Now() + "\r\n", path_);
}

void DebugLog::Write(const std::string& message) {
  if (path_.empty()) return;
  Append(std::to_string(lineNumber_) + ") " + message + "\r\n");
  ++lineNumber_;
}

void DebugLog::Append(const std::string& text) {
  const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) Raise(kErrFileAccess, path_ + ": " + std::strerror(errno));
  WriteAndClose(fd, text, path_);
}

}  // namespace cv
