#include <new>
#include <string>

#include <gtest/gtest.h>

#include "core/errors.h"

namespace {

cv::CvError Caught(void (*f)()) {
  try {
    f();
  } catch (const cv::CvError& e) {
    return e;
  }
  ADD_FAILURE() << "no failure";
  return cv::CvError(0, "");
}

TEST(Errors, ContextCollectsTheCallPathAndKeepsTheNumber) {
  cv::CvError e = Caught([] {
    cv::WithContext("modTreeFunctions.CalculateNetwork -", [] {
      cv::WithContext("modTreeFunctions.GetEFVFlow", [] { cv::Raise(cv::kErrInvalidArgument, "X"); });
    });
  });
  EXPECT_EQ(e.number(), 5);
  EXPECT_EQ(e.description(),
            "modTreeFunctions.CalculateNetwork - modTreeFunctions.GetEFVFlow "
            "Invalid procedure call or argument: X");
  EXPECT_EQ(cv::StandardErrorText(e),
            "Error Number: 5\nDescription: " + e.description());
}

TEST(Errors, OutOfMemoryBecomesErrorSeven) {
  cv::CvError e = Caught([] { cv::WithContext("mod.F", []() -> int { throw std::bad_alloc(); }); });
  EXPECT_EQ(e.number(), cv::kErrOutOfMemory);
  EXPECT_EQ(e.description(), "mod.F Out of memory");
}

}  // namespace
