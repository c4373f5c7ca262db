// The run to an appliance with runs below it carries their loads: it is
// sized and its drop computed as if the total were typed into it alone.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "sizing/carried_loads.h"
#include "support/project_builder.h"

namespace {

using cvtest::Run;

// Builds the network around the furnace run "F" (100 kBTU/h) and returns
// the node the furnace's load hangs below: split, the 40 kBTU/h below it
// are typed into runs of length 0, which are not sized themselves.
struct FlowCase {
  const char* name;
  cvtest::SupplySettings supply;
  std::string length;  // of the furnace's run
  std::function<void(cvtest::TestProject&, pugi::xml_node furnace)> below;
  std::function<pugi::xml_node(cvtest::TestProject&)> above = [](cvtest::TestProject& p) {
    return p.Root();
  };
  // Runs elsewhere in both networks.
  std::function<void(cvtest::TestProject&)> besides = [](cvtest::TestProject&) {};
};

void OneChild(cvtest::TestProject& p, pugi::xml_node f) {
  p.Add(f, {.id = "W", .appliance = "Water Heater", .load = "40", .length = "0"});
}

TEST(CarriedLoad, AnApplianceWithRunsBelowIsSizedForTheirTotal) {
  const FlowCase cases[] = {
      {"one child", {}, "80", OneChild},
      {"a subtree",
       {},
       "80",
       [](cvtest::TestProject& p, pugi::xml_node f) {
         pugi::xml_node tee = p.Add(f, {.id = "T", .appliance = "Tee", .length = "0"});
         p.Add(tee, {.id = "R", .appliance = "Range", .load = "30", .length = "0"});
         pugi::xml_node dryer =
             p.Add(tee, {.id = "D", .appliance = "Dryer", .load = "7.5", .length = "0"});
         p.Add(dryer, {.id = "L", .appliance = "Lamp", .load = "2.5", .length = "0"});
       }},
      {"under a manifold",
       {},
       "80",
       OneChild,
       [](cvtest::TestProject& p) {
         return p.Add(p.Root(), {.id = "M", .appliance = "Manifold", .length = "10"});
       }},
      {"on the high side", cvtest::TwoPsiDualSupply(), "400",
       [](cvtest::TestProject& p, pugi::xml_node f) {
         pugi::xml_node reg = p.Add(f, {.id = "G", .appliance = "Regulator", .length = "0"});
         p.Add(reg, {.id = "R", .appliance = "Range", .load = "40", .length = "10"});
       }},
      {"with an EFV elsewhere",
       {},
       "80",
       OneChild,
       [](cvtest::TestProject& p) { return p.Root(); },
       [](cvtest::TestProject& p) {
         const std::string model = p.State().EFVCollection.ModelIds()[0];
         pugi::xml_node efv =
             p.Add(p.Root(), {.id = "E", .appliance = "EFV", .length = "0", .model = model});
         p.Add(efv, {.id = "L", .appliance = "Lamp", .load = "2.5"});
       }},
  };
  for (const FlowCase& c : cases) {
    cvtest::TestProject split(c.supply), typed(c.supply);
    for (cvtest::TestProject* p : {&split, &typed}) {
      p->LoadReferenceCatalog();
      c.besides(*p);
    }
    c.below(split,
            split.Add(c.above(split),
                      {.id = "F", .appliance = "Furnace", .load = "100", .length = c.length}));
    typed.Add(c.above(typed),
              {.id = "F", .appliance = "Furnace", .load = "140", .length = c.length});
    split.Calculate();
    typed.Calculate();
    for (const char* field : {"materialSize", "PressureDrop", "DeliveredPressure"})
      EXPECT_EQ(split.Text("F", field), typed.Text("F", field)) << c.name << " " << field;
    EXPECT_EQ(split.Text("F", "load"), "100") << c.name;
    EXPECT_EQ(cv::CarriedLoads(split.Doc()).TextOf(split.Node("F")), "140") << c.name;
  }
}

}  // namespace
