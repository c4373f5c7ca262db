// Writing files so that nothing is lost: every write and the close are
// checked (a full disk is a failure, not a file cut short), a file is
// replaced only once its new content is complete, links are followed to
// their target and a replaced file keeps its mode.
#pragma once

#include <string>
#include <string_view>

namespace cv {

// Writes all of text to an open descriptor and closes it; a failed write or
// close raises error 75 naming path. The descriptor is closed in any case.
void WriteAndClose(int fd, std::string_view text, const std::string& path);

// Writes text to path through a temporary file with a short name in the
// same folder, renamed over the old file once complete: a failure (error
// 75) leaves any previous file untouched. A symbolic link is followed to
// its target, which keeps its mode (a new file gets the usual mode from
// the umask); a device or pipe is written into as it is; a folder is
// refused.
void WriteFileReplacing(const std::string& path, std::string_view text);

}  // namespace cv
