// Files and folders for tests: where the test data lies, temporary folders
// that clean up after themselves, and whole-file reads and writes.
#pragma once

#include <string>
#include <vector>

namespace cvtest {

// tests/data and examples/ of the source tree; the catalogue the reference
// projects were calculated with (from tests/data/catalog.sql) and the
// program's own corvanta.db; the built corvanta-size and example generator.
std::string TestDataDir();
std::string ExamplesDir();
std::string ReferenceCatalogPath();
std::string ProgramCatalogPath();
std::string SizerPath();
std::string ExampleMakerPath();
// The names of the example projects (house.cv, ...), sorted.
std::vector<std::string> ExampleNames();

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const noexcept { return path_; }
  // The path of a file in the folder.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// The whole file as bytes; fails the test (and returns "") when unreadable.
std::string ReadFile(const std::string& path);
// The file's bytes, or "" when there is no such file.
std::string ReadOptionalFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

}  // namespace cvtest
