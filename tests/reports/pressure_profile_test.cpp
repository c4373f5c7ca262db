// The pressure profile of an appliance or regulator: its points read the
// stored pressures and lengths along the path from its gas source, the
// distances add up, and the SVG drawing shows every node once and the
// limit line.
#include "reports/pressure_profile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "project/document.h"
#include "project/project_state.h"
#include "reports/profile_drawing.h"
#include "sizing/calc_result.h"
#include "support/files.h"
#include "support/project_builder.h"

namespace {

double Stored(pugi::xml_node node, const char* field) { return cv::FieldNumber(node, field); }

TEST(PressureProfile, PointsReadTheStoredValuesAlongThePathAndTheDrawingShowsThemOnce) {
  struct Case {
    const char* example;
    const char* id;
    const char* source;  // the gas supply, or the regulator that feeds the path
    size_t points;
    double limit;
  };
  const Case cases[] = {
      {"house.cv", "1257", cv::kGasSupplyId, 4, 7 - 0.5},   // the lamp behind the tee
      {"dual_pressure_2psi.cv", "3436", "3408", 3, 7 - 3},  // behind a regulator
      {"dual_pressure_2psi.cv", "3478", cv::kGasSupplyId, 3, 55.46 - 27.73},  // a regulator
      {"undersized_main.cv", "6708", cv::kGasSupplyId, 3, 7 - 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    cvtest::TestProject project;
    ASSERT_EQ(cv::LoadDocumentFile(project.Doc(), cvtest::ExamplesDir() + "/" + c.example).status,
              cv::LoadStatus::Ok);
    const cv::CalcResult result = project.Calculate();
    const bool dual = cv::IsDualSystem(project.Doc());
    const cv::PressureProfile profile = cv::BuildPressureProfile(
        project.Doc(), c.id, dual, cv::DocumentUnitSystem(project.Doc()), result);
    ASSERT_EQ(profile.points.size(), c.points);
    EXPECT_EQ(profile.points.front().id, c.source);
    EXPECT_EQ(profile.points.back().id, c.id);
    EXPECT_NEAR(profile.limit, c.limit, 1e-9);
    double length = 0;
    for (size_t i = 1; i < profile.points.size(); ++i) {
      const cv::ProfilePoint& p = profile.points[i];
      const pugi::xml_node node = project.Node(p.id);
      const pugi::xml_node parent = node.parent();
      EXPECT_EQ(cv::IsSystemNode(parent) ? cv::NodeId(parent) : cv::kGasSupplyId,
                profile.points[i - 1].id);
      length += Stored(node, "length");
      EXPECT_EQ(p.distance, length);
      EXPECT_EQ(p.pressure, Stored(node, "DeliveredPressure"));
      EXPECT_EQ(p.drop, Stored(node, "PressureDrop"));
      EXPECT_EQ(p.size, project.Size(p.id));
      EXPECT_EQ(p.status, std::ranges::find(result.runs, p.id, &cv::RunResult::id)->status);
      if (i == 1) {
        EXPECT_EQ(profile.points[0].pressure, Stored(node, "SupplyPressure"));
      }
    }

    const cv::ProfileFrame frame = cv::FrameProfile(profile);
    for (size_t i = 0; i < profile.points.size(); ++i) {
      const cv::ProfilePosition at = cv::PointPosition(frame, profile, profile.points[i]);
      EXPECT_EQ(cv::PointNear(profile, at.x + 20, at.y - 20, 60), static_cast<int>(i));
    }

    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(cv::PressureProfileSvg(profile).c_str()));
    std::vector<std::string> texts;
    for (pugi::xpath_node t : svg.select_nodes("//text")) texts.push_back(t.node().child_value());
    for (const cv::ProfilePoint& p : profile.points)
      EXPECT_EQ(std::ranges::count(texts, p.description), 1) << p.description;
    const double limitY = frame.Y(cv::PressureInUnit(profile.limit, profile.unit));
    size_t limitLines = 0;
    for (pugi::xpath_node line : svg.select_nodes("//line[@stroke='#e65100']"))
      limitLines +=
          std::abs(line.node().attribute("y1").as_double() - limitY) < 0.1 &&
          line.node().attribute("y1").as_double() == line.node().attribute("y2").as_double();
    EXPECT_EQ(limitLines, 1u);
  }
}

// Whatever keeps a run from being sized, its point says so in the JSON and
// its label and the line to it are drawn red.
TEST(PressureProfile, PointsCarryTheStatusOfTheirRun) {
  cvtest::TestProject project;
  ASSERT_EQ(cv::LoadDocumentFile(project.Doc(), cvtest::ExamplesDir() + "/house.cv").status,
            cv::LoadStatus::Ok);
  project.Calculate();
  for (const cv::RunStatus status : {cv::RunStatus::Sized, cv::RunStatus::Failed,
                                     cv::RunStatus::OutsideLimit, cv::RunStatus::NotReached}) {
    const std::string text(cv::RunStatusText(status));
    SCOPED_TRACE(text);
    cv::CalcResult result = cv::ReadCalcResult(project.Doc(), false, {});
    const auto lamp = std::ranges::find(result.runs, "1257", &cv::RunResult::id);
    ASSERT_NE(lamp, result.runs.end());
    lamp->status = status;
    const cv::PressureProfile profile =
        cv::BuildPressureProfile(project.Doc(), "1257", false, "English", result);
    for (const cv::ProfilePoint& p : profile.points)
      EXPECT_EQ(p.status, p.id == "1257" ? status : cv::RunStatus::Sized) << p.id;
    EXPECT_NE(cv::PressureProfileJson(profile).find("\"status\": \"" + text + "\"}\n]}"),
              std::string::npos);
    pugi::xml_document svg;
    ASSERT_TRUE(svg.load_string(cv::PressureProfileSvg(profile).c_str()));
    const std::string label = "//text[text()='" + profile.points.back().description + "']/@fill";
    EXPECT_EQ(svg.select_node(label.c_str()).attribute().value() == std::string("#cc0000"),
              status != cv::RunStatus::Sized);
  }
}

}  // namespace
