// The diagram's tidy layout on generated networks of many shapes, and one
// small network against the layout kept for it.
#include "reports/diagram_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <sstream>

#include "core/number_text.h"
#include "project/document.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

// Adds `count` runs below parent; descriptions of varying length.
using Shape = std::function<void(pugi::xml_node root, int count)>;

pugi::xml_node Add(pugi::xml_node parent, int id, const char* kind = "Other") {
  cvtest::Run run;
  run.id = std::to_string(id);
  run.appliance = kind;
  run.description = std::string(1 + id % 17, 'w');
  run.size = id % 3 ? "15A CSST" : "";
  return cvtest::AddRun(parent, run);
}

const std::vector<std::pair<std::string, Shape>>& Shapes() {
  static const std::vector<std::pair<std::string, Shape>> shapes = {
      {"chain",
       [](pugi::xml_node n, int count) {
         for (int i = 1; i <= count; ++i) n = Add(n, i, i % 5 ? "Tee" : "Regulator");
       }},
      {"manifold",
       [](pugi::xml_node n, int count) {
         n = Add(n, 1, "Manifold");
         for (int i = 2; i <= count; ++i) Add(n, i, "Furnace");
       }},
      {"comb",  // a chain with one appliance hanging off every link
       [](pugi::xml_node n, int count) {
         for (int i = 1; i <= count; ++i)
           if (i % 2)
             n = Add(n, i, "EFV");
           else
             Add(n, i, "Dryer");
       }},
      {"mixed",  // every node below a parent chosen by a fixed random walk
       [](pugi::xml_node n, int count) {
         std::vector<pugi::xml_node> nodes = {n};
         std::uint32_t r = 12345;
         for (int i = 1; i <= count; ++i) {
           r = r * 1664525u + 1013904223u;
           nodes.push_back(Add(nodes[(r >> 8) % nodes.size()], i, i % 4 ? "Range" : "Tee"));
         }
       }},
  };
  return shapes;
}

cv::DiagramLayout LayOut(const Shape& shape, int count) {
  pugi::xml_document doc;
  cvtest::BuildProject(doc);
  shape(doc.document_element(), count);
  return cv::LayOutDiagram(doc);
}

double Centre(const cv::DiagramBox& b) { return b.rect.x + b.rect.width / 2; }

TEST(DiagramLayout, GeneratedNetworksAreTidy) {
  for (const auto& [name, shape] : Shapes())
    for (int count : {1, 7, 60, 400}) {
      SCOPED_TRACE(name + " of " + std::to_string(count));
      const cv::DiagramLayout layout = LayOut(shape, count);
      ASSERT_EQ(layout.boxes.size(), static_cast<size_t>(count) + 1);
      std::vector<std::vector<int>> children(layout.boxes.size());
      for (size_t i = 1; i < layout.boxes.size(); ++i)
        children[layout.boxes[i].parent].push_back(static_cast<int>(i));
      for (size_t p = 0; p < children.size(); ++p) {
        const std::vector<int>& c = children[p];
        if (c.empty()) continue;
        EXPECT_NEAR(Centre(layout.boxes[p]),
                    (Centre(layout.boxes[c.front()]) + Centre(layout.boxes[c.back()])) / 2, 1e-6);
        for (size_t k = 1; k < c.size(); ++k)
          EXPECT_LT(Centre(layout.boxes[c[k - 1]]), Centre(layout.boxes[c[k]]));
      }
      size_t leaves = 0;
      double widest = 0;
      for (size_t d = 0; d < layout.rows.size(); ++d)
        for (size_t k = 0; k < layout.rows[d].size(); ++k) {
          const cv::DiagramBox& b = layout.boxes[layout.rows[d][k]];
          leaves += children[layout.rows[d][k]].empty();
          widest = std::max(widest, b.rect.width);
          EXPECT_EQ(cv::BoxAt(layout, Centre(b), b.rect.y + 1), layout.rows[d][k]);
          if (k == 0) continue;
          const cv::DiagramBox& left = layout.boxes[layout.rows[d][k - 1]];
          EXPECT_LE(left.rect.x + left.rect.width, b.rect.x);
          EXPECT_LE(left.labelX + left.labelWidth, b.rect.x);
        }
      EXPECT_LE(layout.width, 1000 + static_cast<double>(leaves) * (widest + 1000));
      EXPECT_EQ(cv::BoxAt(layout, -1, -1), -1);
    }
}

// One line per box: id, rectangle, run label, load and pressure.
std::string Dump(const cv::DiagramLayout& layout) {
  std::ostringstream out;
  for (const cv::DiagramBox& b : layout.boxes)
    out << b.nodeId << ' ' << cv::FormatNumber(b.rect.x) << ' ' << cv::FormatNumber(b.rect.y) << ' '
        << cv::FormatNumber(b.rect.width) << ' ' << cv::FormatNumber(b.rect.height) << " ["
        << b.runLabel << "] [" << b.loadText << "] [" << b.pressureText << ']'
        << (b.mark != cv::DiagramMark::None ? " mark" : "") << (b.failed ? " failed" : "") << '\n';
  return out.str();
}

// An English and a metric example, each with one run marked failed.
TEST(DiagramLayout, ExamplesMatchTheirReferences) {
  for (const auto& [example, failed] :
       {std::pair{"house", "1250"}, {"metric_user_defined", "5622"}}) {
    cvtest::TestProject project;
    const std::string path = cvtest::ExamplesDir() + "/" + example + ".cv";
    ASSERT_EQ(cv::LoadDocumentFile(project.Doc(), path).status, cv::LoadStatus::Ok);
    project.Calculate();
    EXPECT_EQ(Dump(cv::LayOutDiagram(project.Doc(), {failed})),
              cvtest::ReadFile(cvtest::TestDataDir() + "/diagram/" + example + ".layout.txt"));
  }
}

}  // namespace
