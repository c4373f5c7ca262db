// Bad input of every kind ends in a clear message and status 1, never in a
// crash, and leaves no output file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli_support.h"

namespace {

class SizerFailures : public cvtest::Sizer {
 protected:
  // Runs the project and checks the two-line run-time failure.
  void ExpectRunTimeFailure(const std::string& project, int number, const std::string& where,
                            const std::string& detail) {
    const cvtest::ProgramResult r = Size({"-o", "out.cv", project});
    EXPECT_EQ(r.status, 1);
    const std::string head = "Error Number: " + std::to_string(number) + "\nDescription: " + where;
    EXPECT_EQ(r.err.rfind(head, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(detail), std::string::npos) << r.err;
    EXPECT_EQ(r.err.back(), '\n');
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    EXPECT_FALSE(cvtest::FileExists(dir_.File("out.cv")));
  }
};

TEST_F(SizerFailures, MissingOrMalformedFileCannotBeLoaded) {
  cvtest::WriteFile(dir_.File("broken.cv"), "<CVSystem><load>7</CVSystem>");
  cvtest::WriteFile(dir_.File("empty.cv"), "");
  cvtest::WriteFile(dir_.File("two.cv"), cvtest::ReadFile(Reference("case_0002", "input.cv")) +
                                             cvtest::ReadFile(Reference("case_0009", "input.cv")));
  for (const char* name : {"missing.cv", "broken.cv", "empty.cv", "two.cv"}) {
    const cvtest::ProgramResult r = Size({"-o", "out.cv", name});
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_EQ(r.err.rfind("Error loading project file \"" + std::string(name) + "\"\n", 0), 0u)
        << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(cvtest::FileExists(dir_.File("out.cv")));
  }
}

// The numbers of each failure are checked where it is raised; here, that
// the program reports them in its two-line form with the procedure's name.
TEST_F(SizerFailures, RunTimeFailuresNameTheirNumberPlaceAndCause) {
  ExpectRunTimeFailure(
      Edited("case_0000", "<calculationType>Delivery Pressure Method</calculationType>", ""), 91,
      "modGlobals.XMLOnTreeView ", "calculationType");
  ExpectRunTimeFailure(Edited("case_0000", "<load>34</load>", "<load>34 kBTU</load>"), 13,
                       "modTreeFunctions.CalculateNetwork - ", "34 kBTU");
  cvtest::WriteFile(dir_.File("foreign.cv"), "<Project><load>1</load></Project>");
  ExpectRunTimeFailure(dir_.File("foreign.cv"), 91, "modGlobals.XMLOnTreeView ", "CVSystem");
}

TEST_F(SizerFailures, OutputThatCannotBeWrittenIsReported) {
  const cvtest::ProgramResult r =
      Size({"-o", "no/such/folder/out.cv", Reference("case_0009", "input.cv")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.rfind("Error Number: 75\n", 0), 0u) << r.err;
}

}  // namespace
