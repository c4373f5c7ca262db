#include <gtest/gtest.h>

#include <string>

#include "cli/options.h"
#include "cli_support.h"
#include "support/reference_files.h"

namespace {

using cvtest::ReadFile;

class SizerRuns : public cvtest::Sizer {};

TEST_F(SizerRuns, HelpGoesToStdoutWithStatusZero) {
  for (const char* flag : {"--help", "-h"}) {
    const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::SizerPath(), {flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, cv::cli::kUsage);
    EXPECT_EQ(r.err, "");
  }
}

// Which usages are wrong is checked in-process; here, what the program does
// with one.
TEST_F(SizerRuns, WrongUsageShowsTheReasonAndTheUsage) {
  const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::SizerPath(), {"--bogus", "a.cv"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "corvanta-size: unknown option --bogus\n\n" + std::string(cv::cli::kUsage));
  EXPECT_EQ(r.out, "");
}

TEST_F(SizerRuns, WithoutOutputFileTheProjectGoesToStdout) {
  const cvtest::ProgramResult r = Size({Reference("case_0041", "input.cv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, ReadFile(Reference("case_0041", "expected.cv")));
}

TEST_F(SizerRuns, RunThatCannotBeSizedGivesItsMessageAndStatusThree) {
  const cvtest::ProgramResult r = Size({"-o", "out.cv", Reference("case_0002", "input.cv")});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, ReadFile(Reference("case_0002", "expected.stderr")));
  EXPECT_EQ(ReadFile(dir_.File("out.cv")), ReadFile(Reference("case_0002", "expected.cv")));
}

TEST_F(SizerRuns, DiagramOptionWritesTheDrawingInsteadOfTheProject) {
  const cvtest::ProgramResult r =
      Size({"--diagram", "net.svg", Reference("case_0041", "input.cv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(ReadFile(dir_.File("net.svg")).find("</svg>"), std::string::npos);
}

// What the trace and the trip document hold is checked by the calculation's
// tests; here, that --debug-log turns them on.
TEST_F(SizerRuns, DebugLogOptionTracesAndWritesTheTripDocumentBesideTheProject) {
  cvtest::WriteFile(dir_.File("a.cv"), ReadFile(Reference("case_0000", "input.cv")));
  ASSERT_EQ(Size({"-o", "out.cv", "a.cv"}).status, 0);
  EXPECT_FALSE(cvtest::FileExists(dir_.File("a_Trip.xml"))) << "not without tracing";
  ASSERT_EQ(Size({"--debug-log", "trace.txt", "-o", "out.cv", "a.cv"}).status, 0);
  EXPECT_NE(ReadFile(dir_.File("trace.txt")).find("***** Executing Normal Flow Calculations"),
            std::string::npos);
  EXPECT_TRUE(cvtest::FileExists(dir_.File("a_Trip.xml")));
}

}  // namespace
