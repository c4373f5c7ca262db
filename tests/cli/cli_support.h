// Runs corvanta-size on projects written into a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/files.h"
#include "support/run_program.h"

namespace cvtest {

class Sizer : public ::testing::Test {
 protected:
  // corvanta-size with the reference catalogue and the arguments.
  ProgramResult Size(std::vector<std::string> args) {
    args.insert(args.begin(), {"--catalog", ReferenceCatalogPath()});
    return RunProgram(SizerPath(), args, dir_.Path());
  }
  // A reference project's file.
  static std::string Reference(const std::string& caseName, const char* file) {
    return TestDataDir() + "/reference/" + caseName + "/" + file;
  }
  // Copies a project file into the folder as name, with one text replaced.
  std::string Copy(const std::string& source, const std::string& name, const std::string& from = "",
                   const std::string& to = "") {
    std::string text = ReadFile(source);
    if (!from.empty()) {
      const size_t at = text.find(from);
      EXPECT_NE(at, std::string::npos) << from;
      if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    WriteFile(dir_.File(name), text);
    return dir_.File(name);
  }

  TempDir dir_;
};

}  // namespace cvtest
