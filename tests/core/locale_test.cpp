// Runs under a comma-decimal locale (LC_ALL is set by the test's
// environment): numbers stored, read, converted and calculated must come out
// exactly as under the C locale.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <regex>
#include <sstream>

#include "core/number_text.h"
#include "project/document.h"
#include "sizing/network_calculation.h"
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

TEST(CommaLocale, NumberTextKeepsThePeriod) {
  EXPECT_EQ(cv::FormatNumber(6.5), "6.5");
  EXPECT_EQ(cv::FormatNumber(1234567.25), "1234567.25");
  EXPECT_EQ(cv::ParseNumber(" 27.73 "), 27.73);
  EXPECT_FALSE(cv::IsNumeric("6,5"));
  EXPECT_EQ(cv::Round2(0.375), 0.38);
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

  std::istringstream trace(cvtest::ReadFile(dir.File("trace.txt")));
  const std::regex value(R"(= (-?[0-9]+(\.[0-9]+)?)\r$)");
  int numbers = 0;
  for (std::string line; std::getline(trace, line);) {
    if (line.find("source = ") == std::string::npos &&
        line.find("Pressure = ") == std::string::npos)
      continue;
    EXPECT_TRUE(std::regex_search(line, value)) << line;
    ++numbers;
  }
  EXPECT_GT(numbers, 4);
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
