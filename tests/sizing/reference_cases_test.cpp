// Reference projects: each folder under tests/data/reference holds an input
// project, its calculated form and, when sizing fails, the messages shown.
#include <gtest/gtest.h>

#include <string>

#include "support/files.h"
#include "support/reference_files.h"

namespace {

std::string ReferenceDir() { return cvtest::TestDataDir() + "/reference"; }

class ReferenceCase : public ::testing::TestWithParam<std::string> {
 protected:
  std::string File(const char* name) const {
    return ReferenceDir() + "/" + GetParam() + "/" + name;
  }
};

TEST_P(ReferenceCase, CalculatesToTheExpectedDocumentAndMessages) {
  const cvtest::CalculatedFile result =
      cvtest::CalculateProjectFile(File("input.cv"), cvtest::ReferenceCatalogPath());
  EXPECT_EQ(result.document, cvtest::ReadFile(File("expected.cv")));
  EXPECT_EQ(result.messages, cvtest::ReadOptionalFile(File("expected.stderr")));
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceCase,
                         ::testing::ValuesIn(cvtest::SubfolderNames(ReferenceDir())),
                         [](const auto& info) { return info.param; });

}  // namespace
