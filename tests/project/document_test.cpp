#include "project/document.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/errors.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

constexpr const char* kNewProjectText =
    "<CVSystem version=\"2.2.4-English\" gasType=\"Natural Gas\" HighSupplyPressure=\"0\" "
    "HighSupplyAllowablePressureDrop=\"0\" InternalLowSupplyPressure=\"7\" "
    "InternalLowSupplyDeliveryPressure=\"0\" InternalLowSupplyAllowablePressureDrop=\"0.5\">"
    "<description>Gas Supply</description><load>0</load>"
    "<calculationType>Fixed Pressure Method</calculationType><EFVEnabled>False</EFVEnabled>"
    "<DualSystem>False</DualSystem></CVSystem>";

constexpr const char* kNewNodeText =
    "<SystemNode id=\"7055475\"><description>New Appliance</description><load>0</load>"
    "<length>0</length><material>CORVANTA</material><materialSize/><appliance>Other</appliance>"
    "<materialSizeFixed>0</materialSizeFixed><SupplyPressure>0</SupplyPressure>"
    "<PressureDrop>0</PressureDrop><DeliveredPressure>0</DeliveredPressure>"
    "<ModelNumber>Other</ModelNumber></SystemNode>";

// A new project with a new node, each written on one line in the fixed order.
TEST(ProjectDocument, NewProjectAndNodeHoldTheirFieldsInOrder) {
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  cv::AppendNewSystemNode(cv::ProjectRoot(doc), "7055475");
  std::string expected = kNewProjectText;
  expected.insert(expected.find("</CVSystem>"), kNewNodeText);
  EXPECT_EQ(cv::SerializeDocument(doc), expected);
}

// Only "1" fixes a size: a hand-edited "True" or a blank flag leaves it to
// the sizing.
TEST(ProjectDocument, OnlyTheFlagOneFixesASize) {
  const std::pair<const char*, bool> cases[] = {
      {"1", true}, {"0", false}, {"", false}, {"True", false}, {"2", false}};
  for (const auto& [flag, fixed] : cases) {
    pugi::xml_document doc;
    cv::BuildNewProject(doc);
    pugi::xml_node node = cv::AppendNewSystemNode(cv::ProjectRoot(doc), "1");
    cv::SetFieldText(node, "materialSizeFixed", flag);
    EXPECT_EQ(cv::IsSizeFixed(node), fixed) << flag;
  }
}

TEST(ProjectDocument, EmptyTextLeavesAnEmptyElement) {
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  pugi::xml_node node = cv::AppendNewSystemNode(cv::ProjectRoot(doc), "1");
  cv::SetFieldText(node, "materialSize", "10A CSST");
  cv::SetFieldText(node, "materialSize", "");
  EXPECT_EQ(cv::FieldText(node, "materialSize"), "");
  EXPECT_NE(cv::SerializeDocument(doc).find("<materialSize/>"), std::string::npos);
}

TEST(ProjectDocument, RootAttributesAreAddressedByPosition) {
  pugi::xml_document doc;
  ASSERT_TRUE(cv::LoadDocumentText(
      doc, "<CVSystem a=\"v\" b=\"Propane\" c=\"1\" d=\"2\" e=\"3\" f=\"4\" g=\"5\"/>"));
  pugi::xml_node root = cv::ProjectRoot(doc);
  EXPECT_EQ(cv::RootAttributeText(root, cv::kAttrGasType), "Propane");
  EXPECT_EQ(cv::RootAttributeText(root, cv::kAttrInternalLowSupplyAllowablePressureDrop), "5");
  cv::SetRootAttributeText(root, cv::kAttrInternalLowSupplyPressure, "14");
  EXPECT_EQ(root.attribute("e").value(), std::string("14"));
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::RootAttributeText(root, 7); }), cv::kErrOutOfRange);
}

TEST(ProjectDocument, MissingPiecesFailWithTheirNumbers) {
  pugi::xml_document doc;
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::ProjectRoot(doc); }), cv::kErrMissingElement);
  ASSERT_TRUE(cv::LoadDocumentText(doc, "<Other/>"));
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::ProjectRoot(doc); }), cv::kErrMissingElement);

  cv::BuildNewProject(doc);
  pugi::xml_node node = cv::AppendNewSystemNode(cv::ProjectRoot(doc), "1");
  node.remove_child("load");
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::FieldText(node, "load"); }), cv::kErrMissingElement);
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::SetFieldText(node, "load", "1"); }),
            cv::kErrMissingElement);
  EXPECT_FALSE(node.child("load"));  // not created on writing either
  node.remove_attribute("id");
  EXPECT_EQ(cvtest::RaisedNumber([&] { cv::NodeId(node); }), cv::kErrMissingElement);
}

// Lookups take the first match in document order; the depth is that of the
// deepest branch, wherever it stands.
TEST(ProjectDocument, LookupsFollowTheDocumentOrderAndDepthTheDeepestBranch) {
  cvtest::TestProject project;
  EXPECT_EQ(cv::SystemNodeDepth(project.Doc()), 0);
  pugi::xml_node tee = project.Add(project.Root(), {.id = "5", .appliance = "Tee"});
  pugi::xml_node deep = project.Add(tee, {.id = "7", .appliance = "Range"});
  pugi::xml_node other = project.Add(project.Root(), {.id = "7", .appliance = "Tee"});
  pugi::xml_node below = project.Add(other, {.id = "8", .appliance = "Tee"});
  pugi::xml_node deepest = project.Add(below, {.id = "9", .appliance = "Dryer"});
  EXPECT_EQ(cv::FindSystemNodeById(project.Doc(), "7"), deep);
  EXPECT_FALSE(cv::FindSystemNodeById(project.Doc(), "70"));
  EXPECT_FALSE(cv::FindSystemNodeById(project.Doc(), ""));
  EXPECT_EQ(cv::AllSystemNodes(project.Doc()),
            (std::vector<pugi::xml_node>{tee, deep, other, below, deepest}));
  EXPECT_EQ(cv::ChildSystemNodes(project.Root()).size(), 2u);
  EXPECT_EQ(cv::SystemNodeDepth(project.Doc()), 3);
}

TEST(ProjectDocument, DrawnIdsAreDigitsAndNotInUse) {
  pugi::xml_document doc;
  cv::BuildNewProject(doc);
  std::set<std::string> seen;
  for (int i = 0; i < 300; ++i) {
    const std::string id = cv::DrawNewNodeId(doc);
    ASSERT_FALSE(id.empty());
    EXPECT_EQ(id.find_first_not_of("0123456789"), std::string::npos) << id;
    EXPECT_TRUE(seen.insert(id).second) << "id " << id << " drawn although in use";
    cv::AppendNewSystemNode(cv::ProjectRoot(doc), id);
  }
}

}  // namespace
