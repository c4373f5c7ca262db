// Files and folders for tests: where the test data lies, temporary folders
// that clean up after themselves, and whole-file reads and writes.
#pragma once

#include <string>
#include <vector>

namespace cvtest {

// tests/data of the source tree.
std::string TestDataDir();
// examples/ of the source tree.
std::string ExamplesDir();
// The catalogue the reference projects were calculated with (built from
// tests/data/catalog.sql).
std::string ReferenceCatalogPath();
// The program's own catalogue corvanta.db (built from data/efv_catalog.sql).
std::string ProgramCatalogPath();
// The built corvanta-size program.
std::string SizerPath();
// The built generator of the example projects.
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
