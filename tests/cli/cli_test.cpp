#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "cli/options.h"
#include "cli_support.h"
#include "support/reference_files.h"

namespace {

using cvtest::ReadFile;
using cvtest::ReadOptionalFile;

class SizerRuns : public cvtest::Sizer {};

TEST_F(SizerRuns, HelpGoesToStdoutWithStatusZero) {
  for (const char* flag : {"--help", "-h"}) {
    const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::SizerPath(), {flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, cv::cli::kUsage);
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(SizerRuns, WrongUsageShowsTheReasonAndTheUsage) {
  const std::vector<std::vector<std::string>> wrong = {{},
                                                       {"--bogus", "a.cv"},
                                                       {"a.cv", "b.cv"},
                                                       {"a.cv", "-o"},
                                                       {"--material-list", "--table", "a.cv"}};
  for (const auto& args : wrong) {
    const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::SizerPath(), args);
    EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(r.err.rfind("corvanta-size: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(cv::cli::kUsage), std::string::npos);
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(SizerRuns, WithoutOutputFileTheProjectGoesToStdout) {
  const cvtest::ProgramResult r = Size({Reference("case_0041", "input.cv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, ReadFile(Reference("case_0041", "expected.cv")));
}

TEST_F(SizerRuns, DiagramOptionWritesTheDrawingInsteadOfTheProject) {
  const cvtest::ProgramResult r =
      Size({"--diagram", "net.svg", Reference("case_0041", "input.cv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(ReadFile(dir_.File("net.svg")).find("</svg>"), std::string::npos);
}

TEST_F(SizerRuns, EveryReferenceCaseGivesItsDocumentMessagesAndStatus) {
  for (const std::string& name : cvtest::SubfolderNames(cvtest::TestDataDir() + "/reference")) {
    SCOPED_TRACE(name);
    const std::string expectedErr = ReadOptionalFile(Reference(name, "expected.stderr"));
    const cvtest::ProgramResult r = Size({"-o", "out.cv", Reference(name, "input.cv")});
    EXPECT_EQ(r.status, expectedErr.empty() ? 0 : 3);
    EXPECT_EQ(r.err, expectedErr);
    EXPECT_EQ(ReadFile(dir_.File("out.cv")), ReadFile(Reference(name, "expected.cv")));
  }
}

// What the trace and the trip document hold is checked by the calculation's
// tests; here, that --debug-log turns them on and the next run restarts.
TEST_F(SizerRuns, DebugLogOptionTracesBesideTheProjectAndRestartsTheLog) {
  cvtest::WriteFile(dir_.File("a.cv"), ReadFile(Reference("case_0000", "input.cv")));
  ASSERT_EQ(Size({"-o", "out.cv", "a.cv"}).status, 0);
  EXPECT_FALSE(cvtest::FileExists(dir_.File("a_Trip.xml"))) << "not without tracing";
  ASSERT_EQ(Size({"--debug-log", "trace.txt", "-o", "out.cv", "a.cv"}).status, 0);
  const std::string first = ReadFile(dir_.File("trace.txt"));
  EXPECT_EQ(
      first.rfind("0) \r\n***** Executing Normal Flow Calculations *****\r\n\r\n0) Node: ", 0), 0u)
      << first.substr(0, 200);
  EXPECT_TRUE(cvtest::FileExists(dir_.File("a_Trip.xml")));

  ASSERT_EQ(Size({"--debug-log", "trace.txt", "-o", "out.cv", "a.cv"}).status, 0);
  const std::string second = ReadFile(dir_.File("trace.txt"));
  const std::regex header("^CORVANTA Sizing Application - a\\.cv - [0-9-]+ [0-9:]+\r\n0\\) \r\n");
  EXPECT_TRUE(std::regex_search(second, header)) << second.substr(0, 200);
  EXPECT_EQ(second.substr(second.find("\r\n") + 2), first);
}

}  // namespace
