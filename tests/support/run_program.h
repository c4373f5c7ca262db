// Runs a program as a user would from a shell and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace cvtest {

struct ProgramResult {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs program with the arguments in the folder workDir (empty: the current
// one), with nothing on its standard input.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir = {});

}  // namespace cvtest
