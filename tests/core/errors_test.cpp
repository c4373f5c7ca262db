#include "core/errors.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "support/raised_error.h"

namespace {

TEST(Errors, ContextCollectsTheCallPathAndKeepsTheNumber) {
  auto e = cvtest::RaisedError([] {
    cv::WithContext("modTreeFunctions.CalculateNetwork -", [] {
      cv::WithContext("modTreeFunctions.GetEFVFlow",
                      [] { cv::Raise(cv::kErrInvalidArgument, "X"); });
    });
  });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->number(), 5);
  EXPECT_EQ(e->description(),
            "modTreeFunctions.CalculateNetwork - modTreeFunctions.GetEFVFlow "
            "Invalid procedure call or argument: X");
  EXPECT_EQ(cv::StandardErrorText(*e), "Error Number: 5\nDescription: " + e->description());
}

TEST(Errors, OtherExceptionsBecomeOutOfMemoryOrAnInternalError) {
  auto memory = cvtest::RaisedError(
      [] { cv::WithContext("mod.F", []() -> int { throw std::bad_alloc(); }); });
  auto other = cvtest::RaisedError(
      [] { cv::WithContext("mod.F", []() -> int { throw std::out_of_range("position 9"); }); });
  ASSERT_TRUE(memory && other);
  EXPECT_EQ(memory->number(), cv::kErrOutOfMemory);
  EXPECT_EQ(memory->description(), "mod.F Out of memory");
  EXPECT_EQ(other->number(), cv::kErrInternal);
  EXPECT_EQ(other->description(), "mod.F Internal error: position 9");
}

}  // namespace
