// corvanta-size as a user runs it: its options, its outputs and its exit
// status for every kind of failure (bad input ends in a clear message and
// status 1, never in a crash, and leaves no output file behind).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>

#include "cli/options.h"
#include "cli_support.h"
#include "edit/placement_rules.h"

namespace {

using cvtest::ReadFile;

class SizerRuns : public cvtest::Sizer {
 protected:
  // Runs the project and checks the two-line run-time failure.
  void ExpectRunTimeFailure(const std::string& project, int number, const std::string& where,
                            const std::string& detail) {
    const cvtest::ProgramResult r = Size({"-o", "out.cv", project});
    EXPECT_EQ(r.status, 1);
    const std::string head = "Error Number: " + std::to_string(number) + "\nDescription: " + where;
    EXPECT_EQ(r.err.rfind(head, 0), 0u) << r.err;
    EXPECT_NE(r.err.find(detail), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n', head.size()), r.err.size() - 1) << "two lines: " << r.err;
    EXPECT_FALSE(cvtest::FileExists(dir_.File("out.cv")));
  }
};

// Which usages are wrong is checked in-process below; here, what the
// program prints for help and for one wrong usage.
TEST_F(SizerRuns, HelpAndWrongUsageShowTheUsage) {
  const std::string usage = cv::cli::kUsage;
  const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
      {{"--help"}, 0, usage, ""},
      {{"-h"}, 0, usage, ""},
      {{"--bogus", "a.cv"}, 2, "", "corvanta-size: unknown option --bogus\n\n" + usage}};
  for (const auto& [args, status, out, err] : cases) {
    const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::SizerPath(), args);
    EXPECT_EQ(std::tie(r.status, r.out, r.err), std::tie(status, out, err)) << args[0];
  }
}

// Every program of the project, window program and benches included.
TEST(Programs, AnswerHelpAndRefuseAnUnknownOptionWithTheUsage) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::stringstream programs(CORVANTA_PROGRAMS);
  for (std::string program; std::getline(programs, program, '|');) {
    const cvtest::ProgramResult help = cvtest::RunProgram(program, {"--help"});
    EXPECT_EQ(help.status, 0) << program;
    EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u) << program << ": " << help.out;
    const cvtest::ProgramResult bad = cvtest::RunProgram(program, {"--bogus"});
    EXPECT_EQ(bad.status, 2) << program;
    EXPECT_NE(bad.err.find("unknown option --bogus"), std::string::npos) << program << bad.err;
    EXPECT_NE(bad.err.find("Usage: "), std::string::npos) << program << ": " << bad.err;
  }
}

// The other tests read the same text from the -o file.
TEST_F(SizerRuns, WithoutOutputFileTheProjectGoesToStdoutAndAnUnsizedRunGivesStatusThree) {
  const cvtest::ProgramResult r = Size({Reference("case_0002", "input.cv")});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err.rfind(ReadFile(Reference("case_0002", "expected.stderr")), 0), 0u) << r.err;
  EXPECT_EQ(r.out, ReadFile(Reference("case_0002", "expected.cv")));
}

// The house with its range fixed at 10A: the pass stops at the range, and
// every run it did not reach is listed and reported as not sized.
TEST_F(SizerRuns, JsonGivesEveryRunsStatusAndEachRunNotSizedIsListed) {
  const std::string fixed =
      "<materialSize>10A CSST</materialSize><appliance>Range</appliance>"
      "<materialSizeFixed>1</materialSizeFixed>";
  Copy(cvtest::ExamplesDir() + "/house.cv", "named.cv", "<description>Kitchen Range",
       "<description>Kitchen \"Range\"\\1");
  const std::string project = Copy(dir_.File("named.cv"), "fixed.cv",
                                   "<materialSize/><appliance>Range</appliance>"
                                   "<materialSizeFixed>0</materialSizeFixed>",
                                   fixed);
  const cvtest::ProgramResult r = Size({"--json", project});
  EXPECT_EQ(r.status, 3);
  const std::string notReached = ": Not sized: the calculation stopped at 'Kitchen \"Range\"\\1'\n";
  EXPECT_NE(r.err.find("\nnot-reached: 'Water Heater' (id 1215)" + notReached +
                       "failed: 'Kitchen \"Range\"\\1' (id 1222)\nnot-reached: 'Clothes Dryer' "
                       "(id 1229)" +
                       notReached),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out.rfind("{\"method\":\"Fixed Pressure Method\",\"gas\":\"Natural Gas\","
                        "\"status\":\"failed\",\"runs\":[\n{\"id\":\"1201\",\"parent\":null,",
                        0),
            0u)
      << r.out;
  EXPECT_NE(r.out.find("\n{\"id\":\"1222\",\"parent\":\"1201\",\"description\":\"Kitchen "
                       "\\\"Range\\\"\\\\1\",\"kind\":\"Range\",\"load\":65,\"flow\":65,"
                       "\"length\":42,\"material\":\"CORVANTA\",\"size\":\"10A CSST\","
                       "\"supplyPressure\":7,\"pressureDrop\":4.39,\"deliveredPressure\":2.61,"
                       "\"status\":\"failed\",\"message\":\"The load/length combination is too "
                       "high for the pipe between\\n\\tKitchen"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 11) << "a line for each of 9 runs";
  EXPECT_EQ(r.out.substr(r.out.size() - 5), "}\n]}\n");
}

// What each option holds is checked in-process; here, the object as a
// program reads it: one option a line, the shape, a price and a bad line.
TEST_F(SizerRuns, CompareGivesOneObjectWithAnOptionALine) {
  cvtest::WriteFile(dir_.File("prices.csv"),
                    "CORVANTA,10A CSST,1\nCORVANTA,15A CSST,2\nCORVANTA,20A CSST,3\n"
                    "Pipe,\"1\"\" SCHEDULE 40\",10\n");
  const std::string house = cvtest::ExamplesDir() + "/house.cv";
  const cvtest::ProgramResult r = Size({"--compare", "--prices", "prices.csv", house});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\"options\":[\n{\"name\":\"Current settings\",\"method\":\"Fixed "
                        "Pressure Method\",\"gas\":\"Natural Gas\",\"supplyPressure\":7,"
                        "\"allowableDrop\":0.5,\"status\":\"sized\",\"runs\":[{\"id\":\"1201\","
                        "\"size\":\"1\\\" SCHEDULE 40\",\"status\":\"sized\"},",
                        0),
            0u)
      << r.out;
  // 20 ft of 10A, 101 of 15A, 96 of 20A and 18 of pipe.
  EXPECT_NE(r.out.find("\"lowestDelivered\":{\"id\":\"1208\",\"pressure\":6.56},\"price\":690}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"price\":null,\"unpriced\":[{\"material\":\"CORVANTA\",\"size\":\"25A "
                       "CSST\"}]}"),
            std::string::npos);
  EXPECT_NE(r.out.find("\"status\":\"not-applicable\",\"reason\":\"Needs regulators: the "
                       "network has none to bring 2 psi down to the appliances.\",\"runs\":[],"
                       "\"materials\":[],\"lowestDelivered\":null,\"price\":null}"),
            std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 9) << "a line for each of 7 options";
  EXPECT_EQ(r.out.substr(r.out.size() - 5), "}\n]}\n");

  cvtest::WriteFile(dir_.File("prices.csv"), "CORVANTA,10A CSST,1\nPipe,1/2,2\n");
  const cvtest::ProgramResult bad = Size({"--compare", "--prices", "prices.csv", house});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "Error in price list \"prices.csv\", line 2: '1/2' is no size of Pipe\n");
  EXPECT_EQ(bad.out, "");
}

TEST_F(SizerRuns, DiagramOptionWritesTheDrawingInsteadOfTheProject) {
  const cvtest::ProgramResult r =
      Size({"--diagram", "net.svg", Reference("case_0041", "input.cv")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(ReadFile(dir_.File("net.svg")).find("</svg>"), std::string::npos);
}

// Which files the loader refuses is checked in-process; here, how the
// program reports one.
TEST_F(SizerRuns, MissingOrMalformedFileCannotBeLoaded) {
  cvtest::WriteFile(dir_.File("broken.cv"), "<CVSystem><load>7</CVSystem>");
  for (const char* name : {"missing.cv", "broken.cv"}) {
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
TEST_F(SizerRuns, RunTimeFailuresNameTheirNumberPlaceAndCause) {
  ExpectRunTimeFailure(Copy(Reference("case_0000", "input.cv"), "edited.cv",
                            "<calculationType>Delivery Pressure Method</calculationType>", ""),
                       91, "modGlobals.XMLOnTreeView ", "calculationType");
  ExpectRunTimeFailure(Copy(Reference("case_0000", "input.cv"), "edited.cv", "<load>34</load>",
                            "<load>34 kBTU</load>"),
                       13, "modTreeFunctions.CalculateNetwork - ", "34 kBTU");
  cvtest::WriteFile(dir_.File("foreign.cv"), "<Project><load>1</load></Project>");
  ExpectRunTimeFailure(dir_.File("foreign.cv"), 91, "modGlobals.XMLOnTreeView ", "CVSystem");
}

TEST(ExampleProjects, GeneratorWritesExactlyTheCommittedFiles) {
  cvtest::TempDir dir;
  const cvtest::ProgramResult r = cvtest::RunProgram(cvtest::ExampleMakerPath(), {dir.Path()});
  ASSERT_EQ(r.status, 0) << r.err;
  for (const std::string& name : cvtest::ExampleNames())
    EXPECT_EQ(ReadFile(dir.File(name)), ReadFile(cvtest::ExamplesDir() + "/" + name)) << name;
}

// The options read, each set one as " name=value", or why they were refused.
std::string Read(const std::vector<std::string>& args) {
  std::string why;
  const std::optional<cv::cli::Options> o = cv::cli::ParseOptions(args, why);
  if (!o) return "refused: " + why;
  std::string read = o->projectPath;
  for (const auto& [name, value] : {std::pair{" out=", o->outputPath},
                                    {" catalog=", o->catalogPath},
                                    {" log=", o->debugLogPath},
                                    {" xlsx=", o->xlsxPath},
                                    {" diagram=", o->diagramPath},
                                    {" prices=", o->pricesPath}})
    if (!value.empty()) read += name + value;
  return read + (o->table ? " table" : "") + (o->materialList ? " list" : "") +
         (o->json ? " json" : "") + (o->compare ? " compare" : "");
}

TEST(ParseOptions, ReadsEveryOptionWhereverItStandsOrSaysWhyNot) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"-o", "out.cv", "house.cv", "--catalog", "c.db", "--debug-log", "log.txt", "--export-xlsx",
        "t.xlsx", "--table", "--diagram", "d.svg"},
       "house.cv out=out.cv catalog=c.db log=log.txt xlsx=t.xlsx diagram=d.svg table"},
      // "-o" swallows the next word even when it looks like an option; a
      // lone "-" is a file name.
      {{"-o", "--table", "house.cv"}, "house.cv out=--table"},
      {{"-"}, "-"},
      {{}, "refused: no project file given"},
      {{"house.cv", "--catalog"}, "refused: --catalog needs a value"},
      {{"a.cv", "b.cv"}, "refused: only one project file may be given"},
      {{"--verbose", "a.cv"}, "refused: unknown option --verbose"},
      {{"--json", "a.cv"}, "a.cv json"},
      {{"--table", "--material-list", "a.cv"},
       "refused: only one of --material-list, --table and --json may be given"},
      {{"--json", "--table", "a.cv"},
       "refused: only one of --material-list, --table and --json may be given"},
      {{"a.cv", "--prices", "p.csv", "--compare"}, "a.cv prices=p.csv compare"},
      {{"--prices", "p.csv", "a.cv"}, "refused: --prices is read by --compare only"},
      {{"--compare", "--json", "a.cv"},
       "refused: --compare prints the comparison only: it cannot be combined with an output"}};
  for (const auto& [args, read] : cases) EXPECT_EQ(Read(args), read);
}

}  // namespace

// A hand-edited file: the range below the range EFV made an EFV too.
TEST_F(SizerRuns, CheckListsEachBrokenRuleAndGivesStatusThree) {
  const std::string range =
      "<appliance>Range</appliance><materialSizeFixed>0</materialSizeFixed><SupplyPressure>0"
      "</SupplyPressure><PressureDrop>0</PressureDrop><DeliveredPressure>0</DeliveredPressure>"
      "<ModelNumber>Other</ModelNumber>";
  std::string efv = range;
  efv.replace(efv.find("Range"), 5, "EFV").replace(efv.find("Other"), 5, "CV-EFV-40");
  const std::string example = cvtest::ExamplesDir() + "/efv_branches.cv";
  const std::string edited = Copy(example, "edited.cv", range, efv);
  const std::string catalog = cvtest::ProgramCatalogPath();
  const auto kept =
      cvtest::RunProgram(cvtest::SizerPath(), {"--check", "--catalog", catalog, example});
  EXPECT_EQ(kept.status, 0);
  EXPECT_EQ(kept.out, "");
  const auto broken =
      cvtest::RunProgram(cvtest::SizerPath(), {"--check", "--catalog", catalog, edited});
  EXPECT_EQ(broken.status, 3);
  EXPECT_EQ(broken.out, "4515 \"Range\": " + std::string(cv::kSeriesMessage) + "\n");
}
