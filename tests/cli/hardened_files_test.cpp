// Inputs that must be read whole or refused, never sized wrongly, and
// outputs that must leave every other file as it was.
#include <filesystem>
#include <regex>
#include <string>
#include <tuple>

#include "cli_support.h"

namespace {

namespace fs = std::filesystem;
using cvtest::ReadFile;

class HardenedFiles : public cvtest::Sizer {
 protected:
  // examples/house.cv written into the folder with one text replaced.
  std::string House(const std::string& from = "", const std::string& to = "") {
    return Copy(cvtest::ExamplesDir() + "/house.cv", "house.cv", from, to);
  }
  static std::string Expected() {
    return ReadFile(cvtest::TestDataDir() + "/examples/house.expected.cv");
  }
};

TEST_F(HardenedFiles, FieldsAreReadAsTheirWholeText) {
  // The edit, and how the field then stands in the sized project: pieces
  // are joined into one text, white space around a number is kept.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"<length>24</length>", "<length>2<!--was 30-->4</length>", "<length>24</length>"},
      {"<load>88</load>", "<load>8<?x?>8</load>", "<load>88</load>"},
      {"<load>88</load>", "<load><![CDATA[8]]>8</load>", "<load>88</load>"},
      {"<load>88</load>", "<load><b>8</b>8</load>", "<load>88</load>"},
      {"<load>88</load>", "<load>88\n</load>", "<load>88\n</load>"},
      {"<load>88</load>", "<load>\r\n\t88 </load>", "<load>\n\t88 </load>"},
  };
  for (const auto& [from, to, saved] : cases) {
    const cvtest::ProgramResult r = Size({"-o", "out.cv", House(from, to)});
    EXPECT_EQ(r.status, 0) << to << r.err;
    std::string expected = Expected();
    expected.replace(expected.find(from), std::string(from).size(), saved);
    EXPECT_EQ(ReadFile(dir_.File("out.cv")), expected) << to;
  }
}

TEST_F(HardenedFiles, InputsThatWouldBeSizedWronglyAreRefused) {
  const std::tuple<std::pair<const char*, const char*>, const char*> cases[] = {
      {{"gasType=\"Natural Gas\"", "gasType=\"Natural Gas\" gasType=\"Propane\""},
       "the element CVSystem has the attribute gasType twice"},
      {{"<load>0</load><length>30</length>",
        "<load>0<SystemNode id=\"9\"/></load><length>30</length>"},
       "the node 9 stands inside the field load of the node 1243"},
      {{"<load>88</load>", "<load><b><SystemNode id=\"9\"/></b></load>"},
       "the node 9 stands inside the field load of the node 1208"},
      {{"<SystemNode id=\"1215\">", "<SystemNode id=\"1215\" id=\"1\">"},
       "the element SystemNode has the attribute id twice"},
      {{"<length>18</length>", "<length>-30</length>"},
       "the length -30 of \"Meter to Manifold\" (node 1201)"},
      {{"<load>88</load>", "<load>-1e308</load>"}, "the load -1e308 of \"Furnace\" (node 1208)"},
      {{"<length>24</length>", "<length>1e300</length>"}, "the length 1e300 of \"Furnace\""},
  };
  for (const auto& [edit, message] : cases) {
    const cvtest::ProgramResult r = Size({"-o", "out.cv", House(edit.first, edit.second)});
    EXPECT_EQ(r.status, 1) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_FALSE(cvtest::FileExists(dir_.File("out.cv")));
  }
}

TEST_F(HardenedFiles, ARepeatedIdIsReplacedAndToldOnce) {
  const cvtest::ProgramResult r =
      Size({"-o", "out.cv", House("<SystemNode id=\"1215\">", "<SystemNode id=\"1208\">")});
  EXPECT_EQ(r.status, 0);
  std::smatch note;
  ASSERT_TRUE(std::regex_match(
      r.err, note,
      std::regex("The project held two nodes with the id 1208; the second was given the id "
                 "([0-9]+)\\.\n")))
      << r.err;
  // Sized as though it had kept its own id.
  std::string out = ReadFile(dir_.File("out.cv"));
  out.replace(out.find("id=\"" + note[1].str() + "\""), note[1].length() + 5, "id=\"1215\"");
  EXPECT_EQ(out, Expected());
}

TEST_F(HardenedFiles, OutputsNeverDestroyOtherFiles) {
  const std::string project = House();
  fs::create_directory(dir_.File("folder"));
  fs::create_symlink("house.cv", dir_.File("link.cv"));
  std::tuple<std::vector<std::string>, int, const char*> cases[] = {
      {{"--debug-log", "house.cv"}, 2, "--debug-log house.cv names the project"},
      {{"--export-xlsx", "house.cv"}, 2, "--export-xlsx house.cv names the project"},
      {{"-o", "link.cv"}, 2, "-o link.cv names the project"},
      {{"--catalog", "cat.db", "-o", "cat.db"}, 2, "names the catalogue"},
      {{"-o", "out.cv", "--debug-log", "out.cv"}, 2, "-o and --debug-log name the same file"},
      {{"-o", ""}, 2, "-o needs a file name"},
      {{"--debug-log", "/dev/full"}, 1, "No space left on device"},
      {{"--debug-log", "folder"}, 1, "Is a directory"},
  };
  cvtest::WriteFile(dir_.File("cat.db"), ReadFile(cvtest::ReferenceCatalogPath()));
  for (auto& [args, status, message] : cases) {
    args.push_back("house.cv");
    const cvtest::ProgramResult r = Size(args);
    EXPECT_EQ(r.status, status) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(project), ReadFile(cvtest::ExamplesDir() + "/house.cv"));
    EXPECT_TRUE(fs::is_directory(dir_.File("folder")));
    EXPECT_TRUE(fs::is_symlink(dir_.File("link.cv")));
  }
}

// What the trace and the trip document hold is checked by the calculation's
// tests; here, that --debug-log turns them on and writes through a link.
TEST_F(HardenedFiles, TheLogIsWrittenThroughALinkThatStaysWithTheTripDocumentBeside) {
  ASSERT_EQ(Size({"-o", "out.cv", Copy(Reference("case_0000", "input.cv"), "a.cv")}).status, 0);
  EXPECT_FALSE(cvtest::FileExists(dir_.File("a_Trip.xml"))) << "not without tracing";
  cvtest::WriteFile(dir_.File("log.txt"), "an older log");
  fs::create_symlink("log.txt", dir_.File("log-link"));
  EXPECT_EQ(Size({"--debug-log", "log-link", "-o", "out.cv", "a.cv"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir_.File("log-link")));
  const std::string log = ReadFile(dir_.File("log.txt"));
  EXPECT_EQ(log.rfind("CORVANTA Sizing Application - a.cv - ", 0), 0u) << log;
  for (const char* line : {"0) Node: ", "***** Executing Normal Flow Calculations"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
  EXPECT_TRUE(cvtest::FileExists(dir_.File("a_Trip.xml")));
}

}  // namespace
