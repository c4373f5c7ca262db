#include "core/file_writes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/errors.h"

namespace cv {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void RaiseFileError(const std::string& path, int err) {
  Raise(kErrFileAccess, path + ": " + std::strerror(err));
}

int WriteAll(int fd, std::string_view text) noexcept {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    text.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

// The file a path finally names: links followed to their target (a link
// to a missing file names the file it would create).
fs::path FinalTarget(const std::string& path) {
  fs::path current(path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
    const fs::path next = fs::read_symlink(current, ec);
    if (ec) RaiseFileError(path, ec.value());
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  RaiseFileError(path, ELOOP);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A device or pipe takes the text as it is; it is never replaced.
void WriteInPlace(const fs::path& target, std::string_view text, const std::string& path) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) RaiseFileError(path, errno);
  WriteAndClose(fd, text, path);
}

}  // namespace

void WriteAndClose(int fd, std::string_view text, const std::string& path) {
  const int err = WriteAll(fd, text);
  if (::close(fd) != 0 && err == 0) RaiseFileError(path, errno);
  if (err != 0) RaiseFileError(path, err);
}

void WriteFileReplacing(const std::string& path, std::string_view text) {
  const fs::path target = FinalTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) RaiseFileError(path, EISDIR);
  if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(target, text, path);

  // A short temporary name, so that a file name near the system's limit
  // can still be saved.
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::string temp = (folder / ".cv-XXXXXX").string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) RaiseFileError(path, errno);
  auto fail = [&](int err) {
    ::unlink(temp.c_str());
    RaiseFileError(path, err);
  };
  // The replaced file keeps its mode and, where allowed, its owner and
  // group; a new file is an ordinary document (mkstemp creates it private).
  if (exists && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Only the owner may give a file away; the saved file is then the user's.
  }
  ::fchmod(fd, exists ? old.st_mode & 07777 : NewFileMode());
  int err = WriteAll(fd, text);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) fail(err);
  if (std::rename(temp.c_str(), target.c_str()) != 0) fail(errno);
}

}  // namespace cv
