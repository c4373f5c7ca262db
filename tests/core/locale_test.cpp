// Runs under a comma-decimal locale (LC_ALL is set by the test's
// environment): numbers stored, read, converted and calculated must come out
// exactly as under the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <regex>
#include <sstream>

#include "support/files.h"
#include "support/project_builder.h"
#include "support/reference_files.h"

namespace {

TEST(CommaLocale, IsActive) {
  ASSERT_STREQ(std::localeconv()->decimal_point, ",")
      << "the comma-decimal locale de_DE.UTF-8 is missing (tools/install-deps.sh makes it)";
  std::ostringstream stream;
  stream << 6.5;
  EXPECT_EQ(stream.str(), "6,5");
}

TEST(CommaLocale, CalculatedDocumentIsUnchanged) {
  const std::string folder = cvtest::TestDataDir() + "/reference/case_0021";
  const cvtest::CalculatedFile result =
      cvtest::CalculateProjectFile(folder + "/input.cv", cvtest::ReferenceCatalogPath());
  EXPECT_EQ(result.document, cvtest::ReadFile(folder + "/expected.cv"));
}

TEST(CommaLocale, TraceNumbersKeepThePeriod) {
  cvtest::TempDir dir;
  cvtest::TestProject project;
  project.LoadReferenceCatalog();
  pugi::xml_node efv =
      project.Add(project.Root(), {.id = "1", .appliance = "EFV", .model = "EFV-K135"});
  project.Add(efv, {.id = "2", .appliance = "Range", .load = "65.5", .length = "22.5"});
  project.State().DebugMode = true;
  project.State().Log.SetPath(dir.File("trace.txt"));
  project.Calculate();

  // Pressures such as "= 6.7" are written, and no number with a comma.
  const std::string trace = cvtest::ReadFile(dir.File("trace.txt"));
  EXPECT_TRUE(std::regex_search(trace, std::regex("Pressure = [0-9]+\\.[0-9]+\r\n"))) << trace;
  EXPECT_FALSE(std::regex_search(trace, std::regex("[0-9],[0-9]"))) << trace;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  try {
    std::locale::global(std::locale(""));
  } catch (const std::runtime_error&) {
    // CommaLocale.IsActive reports the missing locale.
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
