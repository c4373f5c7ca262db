#include <gtest/gtest.h>

#include <string>

#include "support/files.h"
#include "support/run_program.h"

namespace {

TEST(ExampleProjects, GeneratorWritesExactlyTheCommittedFiles) {
  cvtest::TempDir dir;
  const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::ExampleMakerPath(), {dir.Path()});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const std::string& name : cvtest::ExampleNames())
    EXPECT_EQ(cvtest::ReadFile(dir.File(name)),
              cvtest::ReadFile(cvtest::ExamplesDir() + "/" + name))
        << name;
}

TEST(ExampleProjects, SizerReportsEachWithItsStatus) {
  for (const std::string& name : cvtest::ExampleNames()) {
    SCOPED_TRACE(name);
    const std::string stem = cvtest::TestDataDir() + "/examples/" + name.substr(0, name.size() - 3);
    const std::string expectedErr = cvtest::ReadOptionalFile(stem + ".expected.stderr");
    const cvtest::ProgramResult r = cvtest::RunProgram(
        cvtest::SizerPath(),
        {"--catalog", cvtest::ProgramCatalogPath(), cvtest::ExamplesDir() + "/" + name});
    EXPECT_EQ(r.status, expectedErr.empty() ? 0 : 3);
    EXPECT_EQ(r.err, expectedErr);
    EXPECT_EQ(r.out, cvtest::ReadFile(stem + ".expected.cv"));
  }
}

}  // namespace
