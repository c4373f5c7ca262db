#include "cli/options.h"

#include <gtest/gtest.h>

namespace {

std::optional<cv::cli::Options> Parse(std::vector<std::string> args, std::string* why = nullptr) {
  std::string error;
  auto options = cv::cli::ParseOptions(args, error);
  if (why) *why = error;
  return options;
}

TEST(ParseOptions, ReadsEveryOptionWhereverItStands) {
  auto o = Parse({"-o", "out.cv", "house.cv", "--catalog", "c.db", "--debug-log", "log.txt",
                  "--export-xlsx", "t.xlsx", "--table", "--diagram", "d.svg"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->projectPath, "house.cv");
  EXPECT_EQ(o->outputPath, "out.cv");
  EXPECT_EQ(o->catalogPath, "c.db");
  EXPECT_EQ(o->debugLogPath, "log.txt");
  EXPECT_EQ(o->xlsxPath, "t.xlsx");
  EXPECT_EQ(o->diagramPath, "d.svg");
  EXPECT_TRUE(o->table);
  EXPECT_FALSE(o->materialList);
}

TEST(ParseOptions, ProjectNamedLikeAnOptionValueIsTakenAsValue) {
  // "-o" swallows the next word even when it looks like an option.
  auto o = Parse({"-o", "--table", "house.cv"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->outputPath, "--table");
  EXPECT_FALSE(o->table);
  // A lone "-" is a file name, not an option.
  EXPECT_EQ(Parse({"-"})->projectPath, "-");
}

TEST(ParseOptions, WrongUsageSaysWhy) {
  std::string why;
  EXPECT_FALSE(Parse({}, &why));
  EXPECT_EQ(why, "no project file given");
  EXPECT_FALSE(Parse({"house.cv", "--catalog"}, &why));
  EXPECT_EQ(why, "--catalog needs a value");
  EXPECT_FALSE(Parse({"a.cv", "b.cv"}, &why));
  EXPECT_FALSE(Parse({"--verbose", "a.cv"}, &why));
  EXPECT_EQ(why, "unknown option --verbose");
  EXPECT_FALSE(Parse({"--table", "--material-list", "a.cv"}, &why));
}

}  // namespace
