#include "support/project_builder.h"

#include <gtest/gtest.h>

#include "project/document.h"
#include "project/project_state.h"
#include "sizing/network_calculation.h"
#include "support/files.h"

namespace cvtest {

SupplySettings TwoPsiDualSupply() {
  return {"CVSystem-2.2.4-English", "Natural Gas", "55.46", "27.73", "7", "0", "3",
          "Fixed Pressure Method",  true};
}

void BuildProject(pugi::xml_document& doc, const SupplySettings& s) {
  cv::BuildNewProject(doc);
  pugi::xml_node root = cv::ProjectRoot(doc);
  const std::string* values[] = {&s.version,           &s.gasType,           &s.highSupplyPressure,
                                 &s.highAllowableDrop, &s.lowSupplyPressure, &s.deliveryPressure,
                                 &s.lowAllowableDrop};
  for (int i = 0; i < 7; ++i) cv::SetRootAttributeText(root, i, *values[i]);
  cv::SetFieldText(root, "calculationType", s.method);
  cv::SetFieldText(root, "DualSystem", s.dual ? "True" : "False");
}

pugi::xml_node AddRun(pugi::xml_node parent, const Run& run) {
  pugi::xml_node node = cv::AppendNewSystemNode(parent, run.id);
  cv::SetFieldText(node, "description",
                   run.description.empty() ? run.appliance + " " + run.id : run.description);
  cv::SetFieldText(node, "load", run.load);
  cv::SetFieldText(node, "length", run.length);
  cv::SetFieldText(node, "material", run.material);
  cv::SetFieldText(node, "materialSize", run.size);
  cv::SetFieldText(node, "appliance", run.appliance);
  cv::SetFieldText(node, "materialSizeFixed", run.fixed ? "1" : "0");
  cv::SetFieldText(node, "ModelNumber", run.model);
  if (run.appliance == "EFV") {
    pugi::xml_node root = node;
    while (!cv::IsSystemRoot(root)) root = root.parent();
    cv::SetFieldText(root, "EFVEnabled", "True");
  }
  return node;
}

TestProject::TestProject(const SupplySettings& settings) {
  BuildProject(doc_, settings);
  state_.Messages = &messages_;
}

pugi::xml_node TestProject::Root() const { return cv::ProjectRoot(doc_); }

void TestProject::LoadReferenceCatalog() { state_.EFVCollection.Load(ReferenceCatalogPath()); }

const cv::CalcResult& TestProject::Calculate() {
  cv::DeriveStateFromDocument(doc_, state_);
  result_ = {};
  result_ = cv::CalculateProject(doc_, state_);
  return result_;
}

pugi::xml_node TestProject::Node(const std::string& id) const {
  pugi::xml_node node = cv::FindSystemNodeById(doc_, id);
  if (!node) ADD_FAILURE() << "no node " << id;
  return node;
}

std::string TestProject::Text(const std::string& id, const char* field) const {
  const pugi::xml_node node = Node(id);
  if (!node.child(field)) ADD_FAILURE() << "node " << id << " has no " << field;
  return node.child(field).text().get();
}

void AddDropModel(cv::ProgramState& state, const std::string& id, double normalDrop,
                  double tripDrop, double tripFlow) {
  cv::EFVParameters model;
  model.ID = id;
  model.NormalPresDrop = normalDrop;
  model.TripPresDrop = tripDrop;
  model.TripFlow = tripFlow;
  state.EFVCollection.Add(model);
}

}  // namespace cvtest
