#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "project/document.h"
#include "support/files.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

namespace fs = std::filesystem;

TEST(ProjectFile, DeclarationAndIndentationAreAcceptedAndNotKept) {
  cvtest::TempDir dir;
  const std::string path = dir.File("indented.cv");
  cvtest::WriteFile(path,
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CVSystem a=\"0\">\n"
                    "  <SystemNode id=\"1\">\n    <description>Range</description>\n"
                    "  </SystemNode>\n</CVSystem>\n");
  pugi::xml_document doc;
  ASSERT_EQ(cv::LoadDocumentFile(doc, path).status, cv::LoadStatus::Ok);
  EXPECT_EQ(cv::SerializeDocument(doc),
            "<CVSystem a=\"0\"><SystemNode id=\"1\"><description>Range</description>"
            "</SystemNode></CVSystem>");
}

TEST(ProjectFile, UnreadableFilesAreToldApartFromMissingOnes) {
  cvtest::TempDir dir;
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  EXPECT_EQ(cv::LoadDocumentFile(doc, dir.File("missing.cv")).status, cv::LoadStatus::NoFile);
  EXPECT_EQ(cv::LoadDocumentFile(doc, dir.Path()).status, cv::LoadStatus::NotReadable);

  for (const char* bytes : {"", "   \n", "<CVSystem><load>", "not xml at all", "<a/><b/>"}) {
    cv::BuildNewProject(doc);
    cvtest::WriteFile(dir.File("bad.cv"), bytes);
    const cv::LoadResult result = cv::LoadDocumentFile(doc, dir.File("bad.cv"));
    EXPECT_EQ(result.status, cv::LoadStatus::NotReadable) << bytes;
    EXPECT_FALSE(result.reason.empty());
    // A failed load leaves no half-read project behind.
    EXPECT_FALSE(doc.document_element()) << bytes;
  }
}

TEST(ProjectFile, FailedSaveLeavesTheOldFileAndNoTemporaryFile) {
  cvtest::TempDir dir;
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  // A folder stands where the file should go: the final rename fails.
  const std::string target = dir.File("house.cv");
  fs::create_directory(target);
  cvtest::WriteFile(target + "/keep.txt", "kept");
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::SaveDocumentFile(doc, target); }), cv::kErrFileAccess);
  EXPECT_EQ(cvtest::ReadFile(target + "/keep.txt"), "kept");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1) << "a temporary file was left behind";
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::SaveDocumentFile(doc, dir.File("no/such/house.cv")); }),
            cv::kErrFileAccess);
}

// Saving replaces the file's content, never the file's nature: a private
// file stays private, a link stays a link, a long name can be saved.
TEST(ProjectFile, SavingKeepsTheFileItReplaces) {
  cvtest::TempDir dir;
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  const mode_t mask = ::umask(022);
  struct Case {
    std::string name;
    mode_t before;  // 0: no file yet
    mode_t after;
  } cases[] = {
      {"private.cv", 0600, 0600},
      {"shared.cv", 0664, 0664},
      {"new.cv", 0, 0644},
      {std::string(251, 'n') + ".cv", 0, 0644},  // 254 bytes: legal, near the limit
  };
  for (const Case& c : cases) {
    const std::string path = dir.File(c.name);
    if (c.before != 0) {
      cvtest::WriteFile(path, std::string(10000, 'x'));  // an older, longer file goes whole
      fs::permissions(path, static_cast<fs::perms>(c.before));
    }
    cv::SaveDocumentFile(doc, path);
    EXPECT_EQ(cvtest::ReadFile(path), cv::SerializeDocument(doc)) << c.name.size();
    EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), c.after) << c.name.size();
  }
  ::umask(mask);

  fs::create_symlink("private.cv", dir.File("link.cv"));
  cv::SetFieldText(cv::ProjectRoot(doc), "load", "5");
  cv::SaveDocumentFile(doc, dir.File("link.cv"));
  EXPECT_TRUE(fs::is_symlink(dir.File("link.cv")));
  EXPECT_EQ(cvtest::ReadFile(dir.File("private.cv")), cv::SerializeDocument(doc));
  EXPECT_EQ(static_cast<mode_t>(fs::status(dir.File("private.cv")).permissions()), 0600u);
}

// Root reads any file; a file system user without rights shows the refusal.
TEST(ProjectFile, AFileWithoutReadPermissionIsNotReportedAsMissing) {
  cvtest::TempDir dir;
  fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::others_exec);
  const std::string path = dir.File("locked.cv");
  cvtest::WriteFile(path, "<CVSystem/>");
  fs::permissions(path, fs::perms::none);
  const uid_t before = static_cast<uid_t>(::setfsuid(65534));
  pugi::xml_document doc;
  const cv::LoadResult result = cv::LoadDocumentFile(doc, path);
  ::setfsuid(before);
  EXPECT_EQ(result.status, cv::LoadStatus::NotReadable);
  EXPECT_EQ(result.reason, "Permission denied");
}

}  // namespace
