#pragma once

namespace cv {

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 2;
inline constexpr int kVersionRevision = 4;
// "2.2.4"
inline constexpr const char* kVersionText = "2.2.4";

}  // namespace cv
