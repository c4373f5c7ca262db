// Documents no saved project holds, as a hand edit or a broken file gives
// them: the calculation fails where it first reads the fault, with the
// error users know, and keeps what it wrote before it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/errors.h"
#include "project/document.h"
#include "project/project_state.h"
#include "support/project_builder.h"
#include "support/raised_error.h"

namespace {

// A tee with a range, and an EFV feeding a grill.
void Build(cvtest::TestProject& p) {
  p.LoadReferenceCatalog();
  pugi::xml_node tee = p.Add(p.Root(), {.id = "T", .appliance = "Tee", .length = "25"});
  p.Add(tee, {.id = "A", .appliance = "Range", .load = "65", .length = "30"});
  pugi::xml_node efv = p.Add(tee, {.id = "E", .appliance = "EFV", .model = "EFV-K135"});
  p.Add(efv, {.id = "G", .appliance = "Grill", .load = "20"});
}

void Set(cvtest::TestProject& p, const char* id, const char* field, const char* text) {
  cv::SetFieldText(p.Node(id), field, text);
}

void Fix(cvtest::TestProject& p, const char* size) {
  Set(p, "A", "materialSizeFixed", "1");
  Set(p, "A", "materialSize", size);
}

struct Refusal {
  const char* what;
  std::function<void(cvtest::TestProject&)> fault;
  int number;
  std::string text;
  // A field written before the failure that stays written; none: "".
  const char* id = "";
  const char* field = "";
  const char* written = "";
};

TEST(RefusedDocuments, FailWhereTheFaultIsReadKeepingWhatWasWritten) {
  const Refusal cases[] = {
      {"a missing field", [](auto& p) { p.Node("G").remove_child("description"); },
       cv::kErrMissingElement, "missing element description of node G"},
      {"a missing pressure field", [](auto& p) { p.Node("G").remove_child("SupplyPressure"); },
       cv::kErrMissingElement, "missing element SupplyPressure of node G", "T", "SupplyPressure",
       "7"},
      {"a fitting without a load field", [](auto& p) { p.Node("T").remove_child("load"); },
       cv::kErrMissingElement, "missing element load of node T", "E", "load", "20"},
      {"an EFV without a model", [](auto& p) { p.Node("E").remove_child("ModelNumber"); },
       cv::kErrMissingElement, "missing element ModelNumber of node E"},
      {"a run without an id", [](auto& p) { p.Node("A").remove_attribute("id"); },
       cv::kErrMissingElement, "a SystemNode has no id"},
      {"a load that is no number", [](auto& p) { Set(p, "G", "load", "forty"); },
       cv::kErrTypeMismatch, "the load \"forty\" of \"Grill G\" is not a number"},
      {"a load out of range", [](auto& p) { Set(p, "G", "load", "-1"); }, cv::kErrInvalidArgument,
       "cannot be sized: it must be from 0 to"},
      {"a supply pressure that is no number",
       [](auto& p) { cv::SetRootAttributeText(p.Root(), cv::kAttrInternalLowSupplyPressure, "x"); },
       cv::kErrTypeMismatch, "\"x\" is not a number"},
      {"an EFV model missing from the catalogue",
       [](auto& p) { Set(p, "E", "ModelNumber", "NONE"); }, cv::kErrInvalidArgument,
       "EFV model \"NONE\" is not in the catalogue", "E", "materialSize", "10A CSST"},
      {"a fixed size of neither list", [](auto& p) { Fix(p, "bogus"); }, cv::kErrOutOfRange,
       "\"bogus\" is not a size of CORVANTA"},
      {"a pipe size on tubing", [](auto& p) { Fix(p, "1\" SCHEDULE 40"); }, cv::kErrOutOfRange,
       "\"1\" SCHEDULE 40\" is not a size of CORVANTA"},
      {"a run inside a field",
       [](auto& p) { p.Add(p.Node("G").child("length"), {.id = "X", .appliance = "Lamp"}); },
       cv::kErrMissingElement, "outside the network's tree"},
  };
  for (const Refusal& c : cases) {
    cvtest::TestProject project;
    Build(project);
    c.fault(project);
    const auto e = cvtest::RaisedError([&] { project.Calculate(); });
    ASSERT_TRUE(e) << c.what;
    EXPECT_EQ(e->number(), c.number) << c.what;
    EXPECT_EQ(e->description().rfind("modTreeFunctions.CalculateNetwork - ", 0), 0u) << c.what;
    EXPECT_NE(e->description().find(c.text), std::string::npos)
        << c.what << ": " << e->description();
    if (*c.id) {
      EXPECT_EQ(project.Text(c.id, c.field), c.written) << c.what;
    }
  }
}

// Texts a hand edit may leave around a number read as the number.
TEST(RefusedDocuments, PaddedOrCharacterDataFieldsAreSizedAsTheirPlainTwins) {
  const std::function<void(pugi::xml_node)> layouts[] = {
      [](pugi::xml_node load) { cv::SetElementText(load, " 65\n"); },
      [](pugi::xml_node load) {
        cv::SetElementText(load, "");
        load.append_child(pugi::node_cdata).set_value("65");
      },
  };
  cvtest::TestProject plain;
  Build(plain);
  plain.Calculate();
  for (const auto& layout : layouts) {
    cvtest::TestProject project;
    Build(project);
    layout(project.Node("A").child("load"));
    project.Calculate();
    for (const char* id : {"T", "A", "E", "G"})
      EXPECT_EQ(project.Size(id) + project.Text(id, "DeliveredPressure"),
                plain.Size(id) + plain.Text(id, "DeliveredPressure"))
          << id;
  }
}

}  // namespace
