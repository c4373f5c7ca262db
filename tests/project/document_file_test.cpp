#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/errors.h"
#include "project/document.h"
#include "support/files.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

namespace fs = std::filesystem;

TEST(ProjectFile, SavedFileHoldsExactlyTheSerialisedDocument) {
  cvtest::TempDir dir;
  cvtest::TestProject project;
  project.Add(project.Root(), {.id = "1", .appliance = "Range", .load = "65"});
  const std::string path = dir.File("house.cv");
  cvtest::WriteFile(path, std::string(10000, 'x'));  // an older, longer file goes whole
  cv::SaveDocumentFile(project.Doc(), path);
  EXPECT_EQ(cvtest::ReadFile(path), cv::SerializeDocument(project.Doc()));

  pugi::xml_document back;
  ASSERT_EQ(cv::LoadDocumentFile(back, path).status, cv::LoadStatus::Ok);
  EXPECT_EQ(cv::SerializeDocument(back), cv::SerializeDocument(project.Doc()));
}

TEST(ProjectFile, DeclarationAndIndentationAreAcceptedAndNotKept) {
  cvtest::TempDir dir;
  const std::string path = dir.File("indented.cv");
  cvtest::WriteFile(path,
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<CVSystem version=\"2.2.4-English\" gasType=\"Natural Gas\" a=\"0\" b=\"0\" "
                    "c=\"7\" d=\"0\" e=\"0.5\">\n"
                    "  <description>Gas Supply</description>\n  <load>0</load>\n"
                    "  <SystemNode id=\"1\">\n    <description>Range</description>\n"
                    "  </SystemNode>\n</CVSystem>\n");
  pugi::xml_document doc;
  ASSERT_EQ(cv::LoadDocumentFile(doc, path).status, cv::LoadStatus::Ok);
  const std::string text = cv::SerializeDocument(doc);
  EXPECT_EQ(text.rfind("<CVSystem ", 0), 0u) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos) << text;
  EXPECT_EQ(cv::FieldText(cv::FindSystemNodeById(doc, "1"), "description"), "Range");
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

}  // namespace
