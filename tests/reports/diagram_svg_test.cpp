// The diagram as SVG, parsed back: every node's texts once, failed runs in
// red, texts with markup characters kept as they were.
#include "reports/diagram_svg.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "project/document.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

constexpr const char* kRed = "#cc0000";

struct SvgText {
  std::string text;
  std::string fill;
};

std::vector<SvgText> ParsedTexts(const std::string& svg) {
  pugi::xml_document parsed;
  EXPECT_TRUE(parsed.load_string(svg.c_str()));
  const pugi::xml_node root = parsed.child("svg");
  EXPECT_STREQ(root.attribute("version").value(), "1.1");
  EXPECT_STREQ(root.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
  std::vector<SvgText> texts;
  for (pugi::xpath_node t : parsed.select_nodes("//text"))
    texts.push_back({t.node().child_value(), t.node().attribute("fill").value()});
  return texts;
}

std::vector<std::string> FailedIds(const cv::ProgramState& state) {
  std::vector<std::string> ids;
  for (const auto& failure : state.SizingFailures) ids.push_back(failure.nodeId);
  return ids;
}

TEST(DiagramSvg, ExampleShowsEveryNodeOnceAndFailedRunsInRed) {
  struct Case {
    const char* example;
    size_t failed;
  };
  for (const Case& c : {Case{"house.cv", 0}, Case{"undersized_main.cv", 1}}) {
    SCOPED_TRACE(c.example);
    cvtest::TestProject project;
    ASSERT_EQ(cv::LoadDocumentFile(project.Doc(), cvtest::ExamplesDir() + "/" + c.example).status,
              cv::LoadStatus::Ok);
    project.Calculate();
    const std::vector<std::string> failed = FailedIds(project.State());
    EXPECT_EQ(failed.size(), c.failed);
    const std::vector<SvgText> texts =
        ParsedTexts(cv::DiagramSvg(cv::LayOutDiagram(project.Doc(), failed)));
    const auto count = [&](const std::string& text) {
      return std::count_if(texts.begin(), texts.end(),
                           [&](const SvgText& t) { return t.text == text; });
    };
    std::vector<std::string> labels;
    for (pugi::xml_node node : cv::AllSystemNodes(project.Doc()))
      labels.push_back(cv::FieldText(node, "materialSize") + "  " + cv::FieldText(node, "length") +
                       " ft");
    for (pugi::xml_node node : cv::AllSystemNodes(project.Doc())) {
      const std::string description = cv::FieldText(node, "description");
      ASSERT_EQ(count(description), 1) << description;
      const bool isFailed =
          std::find(failed.begin(), failed.end(), cv::NodeId(node)) != failed.end();
      const auto drawn = std::find_if(texts.begin(), texts.end(),
                                      [&](const SvgText& t) { return t.text == description; });
      EXPECT_EQ(drawn->fill == kRed, isFailed) << description;
    }
    for (const std::string& label : labels)
      EXPECT_EQ(count(label), std::count(labels.begin(), labels.end(), label)) << label;
  }
}

TEST(DiagramSvg, MarkupInTextsIsEscaped) {
  const std::string description = "Tom's \"A\" <run> & more";
  cvtest::TestProject project;
  cvtest::Run run;
  run.id = "5";
  run.description = description;
  project.Add(project.Root(), run);
  const std::vector<SvgText> texts = ParsedTexts(cv::DiagramSvg(cv::LayOutDiagram(project.Doc())));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [&](const SvgText& t) { return t.text == description; }));
}

}  // namespace
