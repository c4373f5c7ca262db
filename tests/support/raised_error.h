// Catching the run-time failure of a call, so a test can check its number
// and description in one line.
#pragma once

#include <optional>

#include "core/errors.h"

namespace cvtest {

// The CvError the call raised, or nothing when it succeeded.
template <typename F>
std::optional<cv::CvError> RaisedError(F&& call) {
  try {
    call();
  } catch (const cv::CvError& e) {
    return e;
  }
  return std::nullopt;
}

// The number of the CvError the call raised; 0 when it raised none.
template <typename F>
int RaisedNumber(F&& call) {
  const std::optional<cv::CvError> e = RaisedError(call);
  return e ? e->number() : 0;
}

}  // namespace cvtest
