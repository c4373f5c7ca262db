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
  // Without its namespace a viewer does not draw the file as a drawing.
  EXPECT_STREQ(parsed.child("svg").attribute("xmlns").value(), "http://www.w3.org/2000/svg");
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

// The first node's description carries markup characters, to be kept.
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
    const std::vector<pugi::xml_node> nodes = cv::AllSystemNodes(project.Doc());
    cv::SetFieldText(nodes[0], "description", "Tom's \"A\" <run> & more");
    project.Calculate();
    const std::vector<std::string> failed = FailedIds(project.State());
    EXPECT_EQ(failed.size(), c.failed);
    const std::vector<SvgText> texts =
        ParsedTexts(cv::DiagramSvg(cv::LayOutDiagram(project.Doc(), failed)));
    const auto count = [&](const std::string& text, const char* fill) {
      return std::count_if(texts.begin(), texts.end(), [&](const SvgText& t) {
        return t.text == text && (!fill || t.fill == fill);
      });
    };
    std::vector<std::string> labels;
    for (pugi::xml_node node : nodes) {
      labels.push_back(cv::FieldText(node, "materialSize") + "  " + cv::FieldText(node, "length") +
                       " ft");
      const bool red = std::count(failed.begin(), failed.end(), cv::NodeId(node)) > 0;
      const std::string description = cv::FieldText(node, "description");
      EXPECT_EQ(count(description, red ? kRed : "#000000"), 1) << description;
    }
    for (const std::string& label : labels)
      EXPECT_EQ(count(label, nullptr), std::count(labels.begin(), labels.end(), label)) << label;
  }
}

}  // namespace
