// Checks that a call fails with a run-time number and with the qualified
// name of the procedure at the head of its description.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/raised_error.h"

namespace cvtest {

template <typename F>
void ExpectCvError(F&& call, int number, const std::string& procedure) {
  const std::optional<cv::CvError> e = RaisedError(call);
  ASSERT_TRUE(e) << "expected error " << number << " from " << procedure;
  EXPECT_EQ(e->number(), number) << e->description();
  EXPECT_EQ(e->description().rfind(procedure + " ", 0), 0u) << e->description();
}

}  // namespace cvtest
