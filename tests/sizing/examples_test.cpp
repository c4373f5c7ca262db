// The example projects, calculated with the program's own catalogue, give
// the results kept in tests/data/examples.
#include <gtest/gtest.h>

#include <string>

#include "support/files.h"
#include "support/reference_files.h"

namespace {

class Example : public ::testing::TestWithParam<std::string> {
 protected:
  std::string Stem() const { return GetParam().substr(0, GetParam().size() - 3); }
  std::string Expected(const char* extension) const {
    return cvtest::TestDataDir() + "/examples/" + Stem() + extension;
  }
};

TEST_P(Example, CalculatesToItsExpectedResult) {
  const cvtest::CalculatedFile result = cvtest::CalculateProjectFile(
      cvtest::ExamplesDir() + "/" + GetParam(), cvtest::ProgramCatalogPath());
  EXPECT_EQ(result.document, cvtest::ReadFile(Expected(".expected.cv")));
  EXPECT_EQ(result.messages, cvtest::ReadOptionalFile(Expected(".expected.stderr")));
}

INSTANTIATE_TEST_SUITE_P(Examples, Example, ::testing::ValuesIn(cvtest::ExampleNames()),
                         [](const auto& info) {
                           return info.param.substr(0, info.param.size() - 3);
                         });

}  // namespace
