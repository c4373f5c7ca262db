// Projects built node by node for tests, and a small harness that holds a
// document with the program state it is calculated with.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "sizing/calc_result.h"
#include "sizing/program_state.h"
#include "support/recording_messages.h"

namespace cvtest {

// The supply settings of the root, as texts in the order of its attributes,
// then its method and dual flag. The defaults are those of a new project.
struct SupplySettings {
  std::string version = "2.2.4-English";
  std::string gasType = "Natural Gas";
  std::string highSupplyPressure = "0";
  std::string highAllowableDrop = "0";
  std::string lowSupplyPressure = "7";
  std::string deliveryPressure = "0";
  std::string lowAllowableDrop = "0.5";
  std::string method = "Fixed Pressure Method";
  bool dual = false;
};

// The "2 PSI WC Supply - 1 PSI WC Overall Pressure Drop" preset of natural
// gas with the 7 In WC internal preset, as the supply update writes it.
SupplySettings TwoPsiDualSupply();

// One run of the network. An empty description becomes appliance + " " + id.
struct Run {
  std::string id;
  std::string appliance = "Other";
  std::string load = "0";
  std::string length = "10";
  std::string material = "CORVANTA";
  std::string size = "";
  bool fixed = false;
  std::string model = "Other";
  std::string description = "";
};

void BuildProject(pugi::xml_document& doc, const SupplySettings& settings = {});

// Appends the run below parent (the root or a SystemNode). An EFV marks the
// project as holding one (EFVEnabled "True"), as the appliance panel does.
pugi::xml_node AddRun(pugi::xml_node parent, const Run& run);

// A document, the state it is calculated with and the messages it showed.
class TestProject {
 public:
  explicit TestProject(const SupplySettings& settings = {});

  pugi::xml_document& Doc() noexcept { return doc_; }
  pugi::xml_node Root() const;
  cv::ProgramState& State() noexcept { return state_; }
  RecordingMessages& Messages() noexcept { return messages_; }

  pugi::xml_node Add(pugi::xml_node parent, const Run& run) { return AddRun(parent, run); }
  void LoadReferenceCatalog();

  // Derives the unit system, EFV and dual flags from the document, as
  // loading does, and calculates the network.
  const cv::CalcResult& Calculate();
  // The result of the last calculation.
  const cv::CalcResult& Result() const noexcept { return result_; }

  // The SystemNode with the id; fails the test when there is none.
  pugi::xml_node Node(const std::string& id) const;
  // A field of the node with the id ("" and a test failure when missing).
  std::string Text(const std::string& id, const char* field) const;
  std::string Size(const std::string& id) const { return Text(id, "materialSize"); }

 private:
  pugi::xml_document doc_;
  cv::ProgramState state_;
  RecordingMessages messages_;
  cv::CalcResult result_;
};

// Adds a catalogue model known by its drops (and trip flow): an EFV run of
// load 0 with this model has exactly these segment drops.
void AddDropModel(cv::ProgramState& state, const std::string& id, double normalDrop,
                  double tripDrop = 0, double tripFlow = 0);

}  // namespace cvtest
