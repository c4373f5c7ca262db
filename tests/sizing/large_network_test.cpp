// Networks far larger or deeper than a house: the results stay those of
// small ones, and every calculation ends.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/model_sizing.h"
#include "sizing/network_calculation.h"
#include "sizing/tables.h"
#include "support/project_builder.h"

namespace {

struct Generated {
  cvtest::SupplySettings supply;
  int nodes;
  bool efvs;
  bool duplicateIds = false;
};

// A random tree of the given size: any fitting may take the next run;
// loads, lengths, materials and fixed sizes vary, some runs are too long to
// size.
void Generate(cvtest::TestProject& project, const Generated& g, unsigned start) {
  std::mt19937 random(start);
  const std::vector<std::string> models = project.State().EFVCollection.ModelIds();
  std::vector<pugi::xml_node> fittings{project.Root()};
  const char* kinds[] = {"Tee", "Manifold", "Regulator", "EFV", "Range", "Furnace", "Lamp"};
  for (int i = 0; i < g.nodes; ++i) {
    pugi::xml_node parent = fittings[random() % fittings.size()];
    std::string kind = kinds[random() % 7];
    if ((kind == "Regulator" && !g.supply.dual) || (kind == "EFV" && !g.efvs)) kind = "Other";
    // Ids differ in case only in pairs; with duplicates, some repeat.
    const int number = g.duplicateIds ? static_cast<int>(random() % (g.nodes / 2)) : i / 2;
    cvtest::Run run{.id = (i % 2 ? "n" : "N") + std::to_string(number), .appliance = kind};
    run.load = cv::FormatNumber((random() % 150) / 10.0);
    run.length = cv::FormatNumber((random() % 160) / 4.0);
    run.material = random() % 4 == 0 ? "Pipe" : "CORVANTA";
    run.fixed = random() % 40 == 0;
    run.size = cv::SizeNameAt(static_cast<int>(random() % 4 + 3), run.material);
    run.model = models[random() % models.size()];
    pugi::xml_node node = project.Add(parent, run);
    if (kind != "Range" && kind != "Furnace" && kind != "Lamp" && kind != "Other")
      fittings.push_back(node);
  }
}

std::vector<std::string> Texts(const std::vector<cv::Message>& messages) {
  std::vector<std::string> texts;
  for (const cv::Message& m : messages) texts.push_back(m.text);
  return texts;
}

TEST(LargeNetwork, TheModelGivesTheResultsOfTheStepsOnTheDocument) {
  cvtest::SupplySettings propaneDelivery{.gasType = "Propane",
                                         .lowSupplyPressure = "11",
                                         .deliveryPressure = "9",
                                         .method = "Delivery Pressure Method"};
  const Generated cases[] = {
      {{}, 100, true},
      {cvtest::TwoPsiDualSupply(), 100, true},
      {propaneDelivery, 100, true},
      {{.lowAllowableDrop = "1.5", .method = "User Defined Method"}, 1000, false},
      {cvtest::TwoPsiDualSupply(), 1000, true},
      {propaneDelivery, 1000, true},
      {cvtest::TwoPsiDualSupply(), 10000, true},
      {{}, 1000, false, true},
  };
  unsigned start = 1;
  for (const Generated& g : cases) {
    cvtest::TestProject steps(g.supply), model(g.supply);
    for (cvtest::TestProject* p : {&steps, &model}) {
      p->LoadReferenceCatalog();
      Generate(*p, g, start);
      cv::DeriveStateFromDocument(p->Doc(), p->State());
    }
    cv::CalculateNetworkOnDocument(steps.Doc(), steps.State());
    // Where a fitting shares an id with a run, the model may leave the
    // calculation to the steps on the document.
    if (g.duplicateIds)
      cv::CalculateNetwork(model.Doc(), model.State());
    else
      EXPECT_TRUE(cv::CalculateOnModel(model.Doc(), model.State()));
    EXPECT_EQ(cv::SerializeDocument(model.Doc()), cv::SerializeDocument(steps.Doc()))
        << g.nodes << " nodes from " << start;
    EXPECT_EQ(model.State().LastSizingFailed, steps.State().LastSizingFailed);
    EXPECT_EQ(Texts(model.Messages().Shown()), Texts(steps.Messages().Shown()));
    ++start;
  }
}

std::vector<std::string> Sizes(const pugi::xml_document& doc) {
  std::vector<std::string> sizes;
  for (pugi::xml_node node : cv::AllSystemNodes(doc))
    sizes.push_back(cv::FieldText(node, "materialSize") + " " +
                    cv::FieldText(node, "DeliveredPressure"));
  return sizes;
}

TEST(LargeNetwork, AManifoldWithoutTheFixedFlagIsSizedLikeOneWithIt) {
  std::vector<std::string> results[2];
  for (bool withFlag : {true, false}) {
    cvtest::TestProject project;
    pugi::xml_node manifold =
        project.Add(project.Root(), {.id = "M", .appliance = "Manifold", .length = "5"});
    if (!withFlag) manifold.remove_child("materialSizeFixed");
    for (int i = 0; i < 5000; ++i)
      project.Add(manifold, {.id = std::to_string(i), .appliance = "Lamp", .load = "0.5"});
    project.Calculate();
    results[withFlag] = Sizes(project.Doc());
  }
  EXPECT_EQ(results[0], results[1]);
}

TEST(LargeNetwork, DeepChainsEndSizedOrRefusedByName) {
  struct Case {
    int depth;
    const char* length;  // of each run of the chain
    bool tees;           // tees each feeding a lamp, or appliances one below the other
    bool sized;
  };
  for (const Case& c : {Case{60, "10", false, true}, Case{40, "100", true, false}}) {
    cvtest::TestProject project;
    pugi::xml_node parent = project.Root();
    for (int i = 1; i <= c.depth; ++i) {
      const std::string id = std::to_string(i);
      parent = project.Add(parent, {.id = id,
                                    .appliance = c.tees ? "Tee" : "Other",
                                    .load = c.tees ? "0" : "50",
                                    .length = c.length});
      if (c.tees) project.Add(parent, {.id = "L" + id, .appliance = "Lamp", .load = "2.5"});
    }
    project.Calculate();
    EXPECT_EQ(project.State().LastSizingFailed, !c.sized) << c.depth;
    if (c.sized) continue;
    ASSERT_EQ(project.Messages().Shown().size(), 1u);
    const std::string& text = project.Messages().Shown()[0].text;
    EXPECT_NE(text.find("\tLamp L" + std::to_string(c.depth) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("trials"), std::string::npos) << text;
  }
}

}  // namespace
