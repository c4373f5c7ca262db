// Reference-file tests: a project file calculated in-process as the
// command-line sizer does, compared byte for byte with the stored result.
#pragma once

#include <string>
#include <vector>

namespace cvtest {

struct CalculatedFile {
  std::string document;  // the calculated project as it is saved
  std::string messages;  // each message as corvanta-size prints it
};

// Loads the project file, derives the program state from it, calculates it
// with the catalogue at catalogPath and serialises it. Fails the test when
// the file cannot be loaded.
CalculatedFile CalculateProjectFile(const std::string& path, const std::string& catalogPath);

// The names of the folders in a folder, sorted.
std::vector<std::string> SubfolderNames(const std::string& folder);

}  // namespace cvtest
