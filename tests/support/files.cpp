#include "support/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace cvtest {

namespace fs = std::filesystem;

std::string TestDataDir() { return CORVANTA_TEST_DATA_DIR; }
std::string ExamplesDir() { return CORVANTA_EXAMPLES_DIR; }
std::string ReferenceCatalogPath() { return CORVANTA_TEST_CATALOG; }
std::string ProgramCatalogPath() { return CORVANTA_PROGRAM_CATALOG; }
std::string SizerPath() { return CORVANTA_SIZER; }
std::string ExampleMakerPath() { return CORVANTA_EXAMPLE_MAKER; }

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(ExamplesDir(), ec))
    if (entry.path().extension() == ".cv") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "corvanta-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string ReadOptionalFile(const std::string& path) {
  return FileExists(path) ? ReadFile(path) : std::string();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace cvtest
