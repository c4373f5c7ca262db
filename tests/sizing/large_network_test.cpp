// Networks far larger or deeper than a house: the results stay those of
// small ones, and every calculation ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/document.h"
#include "support/project_builder.h"

namespace {

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

}  // namespace
