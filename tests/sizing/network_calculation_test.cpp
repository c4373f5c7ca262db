#include "sizing/network_calculation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/errors.h"
#include "project/document.h"
#include "sizing/tables.h"
#include "support/files.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

class Network : public ::testing::Test {
 protected:
  Network() { project_.LoadReferenceCatalog(); }
  pugi::xml_node Root() { return project_.Root(); }
  pugi::xml_node Add(pugi::xml_node parent, const cvtest::Run& run) {
    return project_.Add(parent, run);
  }
  void TraceInto(const std::string& projectName) {
    project_.State().DebugMode = true;
    project_.State().Log.SetPath(dir_.File("trace.txt"));
    project_.State().ProjectPath = dir_.File(projectName);
  }
  std::string Trace() { return cvtest::ReadOptionalFile(dir_.File("trace.txt")); }
  // The trip-flow copy a traced calculation saved beside the project.
  pugi::xml_document& TripDocument(const std::string& name) {
    EXPECT_TRUE(cv::LoadDocumentFile(trip_, dir_.File(name)));
    return trip_;
  }

  cvtest::TempDir dir_;
  cvtest::TestProject project_;
  pugi::xml_document trip_;
};

// The sums the calculation writes are checked by the reference projects.
TEST_F(Network, AddLoadsSumsTheAppliancesBelowAndWritesNothing) {
  pugi::xml_node tee = Add(Root(), {.id = "T", .appliance = "Tee", .load = "999"});
  Add(tee, {.id = "G", .appliance = "Range", .load = "65.5"});
  pugi::xml_node reg = Add(tee, {.id = "R", .appliance = "Regulator", .load = "7"});
  pugi::xml_node efv = Add(reg, {.id = "E", .appliance = "EFV", .load = "1", .model = "EFV-K135"});
  Add(efv, {.id = "D", .appliance = "Dryer", .load = "22"});
  EXPECT_EQ(cv::AddLoads(tee), 87.5);
  EXPECT_EQ(project_.Text("T", "load"), "999");
}

TEST_F(Network, EqualRoundedLoadsAreSizedInDescendingIdText) {
  TraceInto("order.cv");
  Add(Root(), {.id = "10", .appliance = "Range", .load = "10.4"});
  Add(Root(), {.id = "8", .appliance = "Range", .load = "10.5"});  // halves to even: 10
  Add(Root(), {.id = "9", .appliance = "Range", .load = "10.2"});
  Add(Root(), {.id = "11", .appliance = "Range", .load = "11.5"});  // 12
  project_.Calculate();
  const std::string trace = Trace();
  auto at = [&](const char* id) {
    return trace.find(std::string("Node: Range ") + id + " - Initial pressure");
  };
  ASSERT_NE(at("10"), std::string::npos) << trace;
  EXPECT_LT(at("11"), at("9"));
  EXPECT_LT(at("9"), at("8"));
  EXPECT_LT(at("8"), at("10"));
}

TEST_F(Network, TripDocumentCarriesTripFlowsBehindEFVsOnly) {
  TraceInto("trip.cv");  // the trip copy is saved while tracing
  pugi::xml_node tee = Add(Root(), {.id = "T", .appliance = "Tee"});
  Add(tee, {.id = "A", .appliance = "Range", .load = "40"});
  Add(tee, {.id = "B", .appliance = "Dryer", .load = "30"});
  pugi::xml_node efv = Add(Root(), {.id = "E", .appliance = "EFV", .model = "EFV-K135"});
  pugi::xml_node efvTee = Add(efv, {.id = "ET", .appliance = "Tee"});
  Add(efvTee, {.id = "G", .appliance = "Grill", .load = "20"});
  Add(efvTee, {.id = "L", .appliance = "Lamp", .load = "5"});
  project_.Calculate();

  const pugi::xml_document& trip = TripDocument("trip_Trip.xml");
  std::vector<std::string> loads{cv::FieldText(cv::ProjectRoot(trip), "load")};
  for (const char* id : {"G", "L", "ET", "E", "T", "A"})
    loads.push_back(cv::FieldText(cv::FindSystemNodeById(trip, id), "load"));
  // Behind the EFV: the model's trip flow, whatever the grill burns; the tee
  // carries the largest of its branches. Behind no EFV a fitting counts as
  // nothing and an appliance keeps its own load.
  EXPECT_EQ(loads, (std::vector<std::string>{"135", "135", "135", "135", "135", "0", "40"}));
  // The project keeps its normal loads.
  EXPECT_EQ(project_.Text("G", "load"), "20");
}

TEST_F(Network, DualTripPassSizesTheHighSideThatNoEFVFeeds) {
  cvtest::TestProject dual(cvtest::TwoPsiDualSupply());
  dual.LoadReferenceCatalog();
  dual.State().DebugMode = true;  // the trip document is saved while tracing
  dual.State().Log.SetPath(dir_.File("trace.txt"));
  dual.State().ProjectPath = dir_.File("dual.cv");
  // 50 kBTU/h over 100 ft keeps 10A within the high side's drop; the
  // valve's trip flow of 135 needs 15A.
  pugi::xml_node reg =
      dual.Add(dual.Root(), {.id = "R", .appliance = "Regulator", .length = "100"});
  pugi::xml_node efv = dual.Add(reg, {.id = "E", .appliance = "EFV", .model = "EFV-K135"});
  dual.Add(efv, {.id = "G", .appliance = "Range", .load = "50"});
  dual.Add(dual.Root(), {.id = "F", .appliance = "Furnace", .load = "40"});
  dual.Calculate();
  EXPECT_EQ(dual.Size("R"), "15A CSST");
  // The regulator's trip load plus the furnace's own load.
  EXPECT_EQ(cv::FieldText(cv::ProjectRoot(TripDocument("dual_Trip.xml")), "load"), "175");
  EXPECT_EQ(cv::FieldText(dual.Root(), "load"), "90");
}

TEST_F(Network, EveryRunOfAKnownMaterialEndsWithAValidSize) {
  // The carry climbs to a run below the supply that is already at its
  // largest size: that run keeps it, and the failing run is restored.
  pugi::xml_node main = Add(Root(), {.id = "M", .appliance = "Manifold", .length = "20"});
  Add(main, {.id = "1", .appliance = "Boiler", .load = "2500", .length = "100"});
  pugi::xml_node reg = Add(Root(), {.id = "R", .appliance = "Regulator", .length = "5"});
  Add(reg,
      {.id = "2", .appliance = "Furnace", .load = "2400", .length = "150", .material = "Pipe"});
  Add(Root(), {.id = "3", .appliance = "Other", .load = "10", .material = "Copper"});
  project_.Calculate();
  EXPECT_FALSE(project_.Result().failures.empty());
  EXPECT_EQ(project_.Size("M"), "50A CSST");
  for (pugi::xml_node node : cv::AllSystemNodes(project_.Doc())) {
    const std::string material = cv::FieldText(node, "material");
    const std::string size = cv::FieldText(node, "materialSize");
    if (material == "Copper")
      EXPECT_EQ(size, "");
    else
      EXPECT_GE(cv::SizeIndexOf(size, material), 0) << cv::NodeId(node) << " " << size;
  }
}

TEST_F(Network, FailuresCarryTheCalculationsName) {
  pugi::xml_node efv = Add(Root(), {.id = "E", .appliance = "EFV", .model = "EFV-NONE"});
  pugi::xml_node grill = Add(efv, {.id = "G", .appliance = "Grill", .load = "20"});
  auto e = cvtest::RaisedError([&] { project_.Calculate(); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->number(), cv::kErrInvalidArgument);
  EXPECT_EQ(e->description().rfind("modTreeFunctions.CalculateNetwork - ", 0), 0u)
      << e->description();
  EXPECT_NE(e->description().find("EFV-NONE"), std::string::npos);

  cv::SetFieldText(efv, "ModelNumber", "EFV-K135");
  cv::SetFieldText(grill, "load", "forty");
  EXPECT_EQ(cvtest::RaisedNumber([&] { project_.Calculate(); }), cv::kErrTypeMismatch);
  cv::SetFieldText(grill, "load", "20");
  grill.remove_child("appliance");
  EXPECT_EQ(cvtest::RaisedNumber([&] { project_.Calculate(); }), cv::kErrMissingElement);
}

TEST_F(Network, ANetworkNestedBeyondTheLimitIsRefusedWithoutCrashing) {
  pugi::xml_node parent = Root();
  for (int i = 0; i < cv::kMaxNetworkDepth; ++i)
    parent = Add(parent, {.id = std::to_string(i), .appliance = "Tee", .length = "0"});
  Add(parent, {.id = "leaf", .appliance = "Lamp", .load = "1", .length = "0"});
  EXPECT_EQ(cv::SystemNodeDepth(project_.Doc()), cv::kMaxNetworkDepth + 1);
  EXPECT_EQ(cvtest::RaisedNumber([&] { project_.Calculate(); }), cv::kErrOutOfStack);

  parent.remove_child(project_.Node("leaf"));
  EXPECT_EQ(cvtest::RaisedNumber([&] { project_.Calculate(); }), 0);
}

// Whether the sizer's --debug-log writes it is checked with the program.
TEST_F(Network, TripDocumentIsSavedBesideATracedProjectWithAnEFV) {
  TraceInto("house.cv");
  Add(Root(), {.id = "1", .appliance = "Range", .load = "40"});
  project_.Calculate();
  // Without an EFV only the normal pass runs.
  EXPECT_FALSE(cvtest::FileExists(dir_.File("house_Trip.xml")));
  EXPECT_EQ(Trace().find("*****"), std::string::npos);

  pugi::xml_node efv = Add(Root(), {.id = "E", .appliance = "EFV", .model = "EFV-K135"});
  Add(efv, {.id = "G", .appliance = "Grill", .load = "20"});
  project_.Calculate();
  ASSERT_TRUE(cvtest::FileExists(dir_.File("house_Trip.xml")));

  // Never saved: nothing to put it beside.
  std::filesystem::remove(dir_.File("house_Trip.xml"));
  project_.State().ProjectPath = "";
  project_.Calculate();
  EXPECT_FALSE(cvtest::FileExists(dir_.File("house_Trip.xml")));
}

TEST(TripDocumentPath, ReplacesTheExtensionInTheSameFolder) {
  EXPECT_EQ(cv::TripDocumentPath("/p/house.cv"), "/p/house_Trip.xml");
  EXPECT_EQ(cv::TripDocumentPath("/p/my.house.cv"), "/p/my.house_Trip.xml");
  EXPECT_EQ(cv::TripDocumentPath("/p/dir.v2/house"), "/p/dir.v2/house_Trip.xml");
}

}  // namespace
