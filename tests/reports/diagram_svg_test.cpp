// The diagram as SVG, parsed back: every node's texts once, failed runs in
// red, texts with markup characters kept as they were, every text inside
// its box and clear of the others.
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

std::vector<std::string> FailedIds(const cv::CalcResult& result) {
  std::vector<std::string> ids;
  for (const auto& failure : result.failures) ids.push_back(failure.nodeId);
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
    const std::vector<std::string> failed = FailedIds(project.Result());
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

// A text or a box as the SVG places it; a text fills its measured length
// and its em square (0.8 em above the baseline, 0.2 below).
struct Extent {
  double left, top, right, bottom;
  bool Holds(const Extent& e) const {
    return left <= e.left && e.right <= right && top <= e.top && e.bottom <= bottom;
  }
  bool Overlaps(const Extent& e) const {
    return left < e.right && e.left < right && top < e.bottom && e.top < bottom;
  }
};

// Wide capitals, tags beside titles and letters beyond ASCII.
TEST(DiagramSvg, EveryTextLiesInsideItsBoxAndApartFromTheOthers) {
  cvtest::TestProject project(cvtest::TwoPsiDualSupply());
  const pugi::xml_node regulator = project.Add(
      project.Root(), {.id = "1", .appliance = "Regulator", .description = "MAIN REGULATOR WWW"});
  const pugi::xml_node efv =
      project.Add(regulator, {.id = "2", .appliance = "EFV", .description = "WWWWWWWW"});
  project.Add(efv, {.id = "3",
                    .appliance = "Water Heater",
                    .load = "199.5",
                    .length = "120",
                    .size = "25A CSST",
                    .description = "W\xC3\xA4rmepumpe \xC3\x96l"});
  project.Add(regulator, {.id = "4", .appliance = "Furnace", .load = "88", .description = "i"});
  pugi::xml_document svg;
  ASSERT_TRUE(svg.load_string(cv::DiagramSvg(cv::LayOutDiagram(project.Doc())).c_str()));
  std::vector<Extent> boxes, texts;
  for (pugi::xpath_node r : svg.select_nodes("//g[@font-family]/rect")) {
    const pugi::xml_node n = r.node();
    const double x = n.attribute("x").as_double(), y = n.attribute("y").as_double();
    boxes.push_back(
        {x, y, x + n.attribute("width").as_double(), y + n.attribute("height").as_double()});
  }
  for (pugi::xpath_node t : svg.select_nodes("//g[@font-family]/text")) {
    const pugi::xml_node n = t.node();
    const double x = n.attribute("x").as_double(), baseline = n.attribute("y").as_double();
    const double size = n.attribute("font-size").as_double();
    EXPECT_GT(n.attribute("textLength").as_double(), 0) << n.child_value();
    texts.push_back({x, baseline - 0.8 * size, x + n.attribute("textLength").as_double(),
                     baseline + 0.2 * size});
  }
  size_t inBoxes = 0;  // all but the four run labels beside the lines
  for (const Extent& text : texts) {
    const Extent* innermost = nullptr;
    for (const Extent& box : boxes)
      if (box.left <= text.left && text.left < box.right && box.top <= text.top &&
          text.top < box.bottom && (!innermost || innermost->Holds(box)))
        innermost = &box;
    if (!innermost) continue;
    ++inBoxes;
    EXPECT_TRUE(innermost->Holds(text)) << text.left << "," << text.top;
  }
  EXPECT_EQ(inBoxes, texts.size() - 4);
  for (size_t i = 0; i < texts.size(); ++i)
    for (size_t j = i + 1; j < texts.size(); ++j)
      EXPECT_FALSE(texts[i].Overlaps(texts[j])) << i << " and " << j;
}

}  // namespace
