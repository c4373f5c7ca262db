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

}  // namespace
