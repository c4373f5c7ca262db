// How the tree, the panel, its tool tip and the diagram write a run's
// pressures: the unit of the run's side, and a dash where the calculation
// computed nothing. The stored pressures are written by hand.
#include "reports/pressure_readings.h"

#include <gtest/gtest.h>

#include "project/document.h"
#include "sizing/stored_drops.h"
#include "support/project_builder.h"

namespace {

// A 2 psi dual system: a furnace on the high side, a regulator feeding a
// range and a tee with only an EFV below it, and a tee feeding nothing but
// a regulator.
class PressureReadings : public ::testing::Test {
 protected:
  PressureReadings() : project_(cvtest::TwoPsiDualSupply()) {
    const pugi::xml_node root = project_.Root();
    Add(root, "1", "Furnace", "55.46", "13.86", "41.6");
    const pugi::xml_node regulator = Add(root, "2", "Regulator", "55.46", "2.77", "52.69");
    Add(regulator, "3", "Range", "7", "0.25", "6.75");
    Add(Add(regulator, "4", "Tee", "7", "0", "7"), "5", "EFV", "7", "0", "7");
    Add(Add(root, "6", "Tee", "55.46", "2.77", "52.69"), "7", "Regulator", "52.69", "0", "52.69");
  }

  pugi::xml_node Add(pugi::xml_node parent, const char* id, const char* kind, const char* supply,
                     const char* drop, const char* delivered) {
    const pugi::xml_node node =
        project_.Add(parent, {.id = id, .appliance = kind, .size = "20A CSST"});
    cv::SetFieldText(node, "SupplyPressure", supply);
    cv::SetFieldText(node, "PressureDrop", drop);
    cv::SetFieldText(node, "DeliveredPressure", delivered);
    return node;
  }
  pugi::xml_node Node(const char* id) const { return project_.Node(id); }

  cvtest::TestProject project_;
};

TEST_F(PressureReadings, RunsShowTheUnitOfTheirSideOrADash) {
  const struct {
    const char* id;
    const char* units;
    bool dual;
    const char* unit;
    const char* drop;
    const char* delivered;
  } cases[] = {
      {"1", "English", true, "psi", "0.5", "1.5"},  // the high side
      {"1", "English", false, "in W.C.", "13.86", "41.6"},
      {"1", "Metric", true, "mb", "34.46", "103.431"},
      {"2", "English", true, "psi", "0.1", "1.9"},  // a regulator is fed by the high side
      {"3", "English", true, "in W.C.", "0.25", "6.75"},
      {"4", "English", true, "in W.C.", "-", "-"},  // nothing fed below it
      {"5", "English", true, "in W.C.", "-", "-"},
      {"6", "English", true, "psi", "0.1", "1.9"},  // it feeds a regulator
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.id) + " " + c.units);
    const pugi::xml_node run = Node(c.id);
    const cv::RunPressureTexts texts =
        cv::RunPressures(run, cv::StoredDropFromSource(run), c.units, c.dual);
    EXPECT_EQ(cv::PressureUnitCaption(texts.unit), c.unit);
    EXPECT_EQ(texts.dropFromSupply, c.drop);
    EXPECT_EQ(texts.delivered, c.delivered);
    EXPECT_EQ(cv::ComputedPressures(project_.Doc()).Of(run), *c.delivered != '-');
  }
}

TEST_F(PressureReadings, ToolTipReadsInInchesWithThePsiOfTheTree) {
  EXPECT_EQ(cv::RunSummary(Node("1"), "English", true),
            "Size: 20A CSST\nSupply pressure: 55.46 in W.C. (2.0 psi)\n"
            "Run drop: 13.86 in W.C. (0.5 psi)\nDelivered pressure: 41.6 in W.C. (1.5 psi)");
  cv::SetFieldText(Node("4"), "materialSize", "");
  EXPECT_EQ(cv::RunSummary(Node("4"), "English", true),
            "Size: -\nSupply pressure: -\nRun drop: -\nDelivered pressure: -");
}

TEST(PressureDisplay, OneToThreeDecimalsRounded) {
  const std::pair<double, const char*> cases[] = {{0.5, "0.5"},    {0, "0.0"},
                                                  {12, "12.0"},    {1.23456, "1.235"},
                                                  {0.0004, "0.0"}, {-0.25, "-0.25"}};
  for (const auto& [value, shown] : cases)
    EXPECT_EQ(cv::FormatPressureForDisplay(value), shown) << value;
}

}  // namespace
