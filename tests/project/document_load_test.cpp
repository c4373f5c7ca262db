#include <gtest/gtest.h>

#include <string>

#include "project/document.h"

namespace {

std::string Project(const std::string& nodeFields) {
  return "<CVSystem version=\"2.2.4-English\"><description>Gas Supply</description>"
         "<SystemNode id=\"1\">" +
         nodeFields + "</SystemNode></CVSystem>";
}

TEST(LoadDocument, AFieldIsReadAsItsWholeText) {
  const std::pair<const char*, const char*> cases[] = {
      {"<load>1<!--was 3-->88</load>", "188"},
      {"<load>1<?x?>8<![CDATA[8]]></load>", "188"},
      {"<load>\n  <b>1</b>2\n</load>", "\n  12\n"},
      {"<load> </load>", " "},
      {"<load/>", ""},
  };
  for (const auto& [field, text] : cases) {
    pugi::xml_document doc;
    ASSERT_TRUE(cv::LoadDocumentText(doc, Project(field))) << field;
    const pugi::xml_node node = cv::FindSystemNodeById(doc, "1");
    EXPECT_EQ(cv::FieldView(node, "load"), text) << field;
    // Written back as one text, so that the saved file says what was read.
    cv::SetFieldText(node, "load", "7");
    EXPECT_NE(cv::SerializeDocument(doc).find("<load>7</load>"), std::string::npos) << field;
  }
}

TEST(LoadDocument, FilesThatWouldBeReadWronglyAreRefused) {
  const std::pair<std::string, cv::LoadStatus> cases[] = {
      {"<CVSystem a=\"1\" a=\"2\"/>", cv::LoadStatus::NotReadable},
      {Project("<x b=\"1\" c=\"\" b=\"1\"/>"), cv::LoadStatus::NotReadable},
      {Project("<load><SystemNode id=\"2\"/></load>"), cv::LoadStatus::Refused},
      {Project("<load><b><SystemNode id=\"2\"/></b></load>"), cv::LoadStatus::Refused},
  };
  for (const auto& [text, status] : cases) {
    pugi::xml_document doc;
    const cv::LoadResult result = cv::LoadDocumentText(doc, text);
    EXPECT_EQ(result.status, status) << text;
    EXPECT_FALSE(doc.document_element()) << text;
  }
}

}  // namespace
