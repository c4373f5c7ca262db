// Writes the example projects of examples/ with the program's own document
// code: each is a network as a designer enters it (lengths, loads,
// materials, a few fixed sizes), before any calculation.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/command_usage.h"
#include "core/errors.h"
#include "project/document.h"
#include "sizing/units.h"

namespace {

// The supply settings as the supply update writes them (pressures in inches
// of water column), then the method and the dual flag.
struct Supply {
  std::string version, gasType, highPressure, highDrop, lowPressure, delivery, lowDrop;
  std::string method = "Fixed Pressure Method";
  bool dual = false;
};

// Builds one example project. Node ids are fixed so that the files come out
// the same each time they are made.
class Builder {
 public:
  Builder(pugi::xml_document& doc, const Supply& s, int firstId) : doc_(doc), nextId_(firstId) {
    cv::BuildNewProject(doc_);
    const std::string* values[] = {&s.version,     &s.gasType,  &s.highPressure, &s.highDrop,
                                   &s.lowPressure, &s.delivery, &s.lowDrop};
    for (int i = 0; i < 7; ++i) cv::SetRootAttributeText(Root(), i, *values[i]);
    cv::SetFieldText(Root(), "calculationType", s.method);
    cv::SetFieldText(Root(), "DualSystem", s.dual ? "True" : "False");
  }

  pugi::xml_node Root() const { return cv::ProjectRoot(doc_); }

  // A run of tubing or pipe from parent to the device at its end.
  pugi::xml_node Run(pugi::xml_node parent, const std::string& description,
                     const std::string& appliance, const std::string& load,
                     const std::string& length, const std::string& material = "CORVANTA") {
    pugi::xml_node node = cv::AppendNewSystemNode(parent, std::to_string(nextId_));
    nextId_ += 7;
    cv::SetFieldText(node, "description", description);
    cv::SetFieldText(node, "load", load);
    cv::SetFieldText(node, "length", length);
    cv::SetFieldText(node, "material", material);
    cv::SetFieldText(node, "appliance", appliance);
    return node;
  }
  pugi::xml_node Fitting(pugi::xml_node parent, const std::string& description,
                         const std::string& kind, const std::string& length,
                         const std::string& material = "CORVANTA") {
    return Run(parent, description, kind, "0", length, material);
  }
  pugi::xml_node Valve(pugi::xml_node parent, const std::string& description,
                       const std::string& model, const std::string& length) {
    pugi::xml_node node = Run(parent, description, "EFV", "0", length);
    cv::SetFieldText(node, "ModelNumber", model);
    cv::SetFieldText(Root(), "EFVEnabled", "True");
    return node;
  }
  static void Fix(pugi::xml_node node, const std::string& size) {
    cv::SetFieldText(node, "materialSize", size);
    cv::SetFieldText(node, "materialSizeFixed", "1");
  }

 private:
  pugi::xml_document& doc_;
  int nextId_;
};

const Supply kNaturalGasStandard{
    "CVSystem-2.2.4-English", "Natural Gas", "0", "0", "7", "0", "0.5"};

// A natural-gas house on the standard preset: a steel main to a manifold
// that feeds every appliance on its own tubing home run.
void House(pugi::xml_document& doc) {
  Builder b(doc, kNaturalGasStandard, 1201);
  pugi::xml_node meter = b.Fitting(b.Root(), "Meter to Manifold", "Manifold", "18", "Pipe");
  b.Run(meter, "Furnace", "Furnace", "88", "24");
  b.Run(meter, "Water Heater", "Water Heater", "40", "16");
  b.Run(meter, "Kitchen Range", "Range", "65", "42");
  b.Run(meter, "Clothes Dryer", "Dryer", "22", "35");
  b.Run(meter, "Living Room Fireplace", "Fireplace", "30", "38");
  pugi::xml_node patio = b.Fitting(meter, "Patio Tee", "Tee", "30");
  b.Run(patio, "Patio Grill", "Grill", "45", "12");
  b.Run(patio, "Gas Lamp", "Lamp", "2.5", "20");
}

// A propane house fed by tees, with one size fixed where the tubing is
// already in the wall.
void PropaneHouse(pugi::xml_document& doc) {
  Supply s{"CVSystem-2.2.4-English", "Propane", "0", "0", "11", "0", "0.5"};
  Builder b(doc, s, 2301);
  pugi::xml_node tank = b.Fitting(b.Root(), "Tank Line", "Tee", "45", "Pipe");
  pugi::xml_node utility = b.Fitting(tank, "Utility Room Tee", "Tee", "12");
  b.Run(utility, "Furnace", "Furnace", "60", "10");
  b.Run(utility, "Water Heater", "Water Heater", "38", "8");
  pugi::xml_node kitchen = b.Fitting(tank, "Kitchen & Laundry Tee", "Tee", "28");
  Builder::Fix(b.Run(kitchen, "Range", "Range", "55", "14"), "15A CSST");
  b.Run(kitchen, "Dryer", "Dryer", "20", "19");
  b.Run(tank, "Hearth Room Fireplace", "Fireplace", "25", "33");
}

// A two-pound system: a steel main at 2 PSI to a manifold, regulators down
// to 7 In WC in front of each low-pressure manifold.
void DualPressure(pugi::xml_document& doc) {
  Supply s{"CVSystem-2.2.4-English", "Natural Gas", "55.46", "27.73", "7", "0", "3"};
  s.dual = true;
  Builder b(doc, s, 3401);
  pugi::xml_node main = b.Fitting(b.Root(), "2 PSI Main", "Manifold", "60", "Pipe");
  pugi::xml_node mech = b.Fitting(main, "Mechanical Room Regulator", "Regulator", "35");
  pugi::xml_node mechManifold = b.Fitting(mech, "Mechanical Manifold", "Manifold", "3");
  b.Run(mechManifold, "Boiler", "Boiler", "150", "12");
  b.Run(mechManifold, "Water Heater", "Water Heater", "76", "9");
  b.Run(mechManifold, "Pool Heater", "Other", "250", "55");
  pugi::xml_node kitchen = b.Fitting(main, "Kitchen Regulator", "Regulator", "80");
  pugi::xml_node kitchenManifold = b.Fitting(kitchen, "Kitchen Manifold", "Manifold", "2");
  b.Run(kitchenManifold, "Range", "Range", "90", "18");
  b.Run(kitchenManifold, "Dryer", "Dryer", "35", "40");
  b.Run(kitchenManifold, "Great Room Fireplace", "Fireplace", "42", "36");
  pugi::xml_node patio = b.Fitting(main, "Patio Regulator", "Regulator", "95");
  b.Run(patio, "Outdoor Kitchen Grill", "Grill", "60", "10");
}

// Branches protected by excess flow valves of the catalogue.
void EFVBranches(pugi::xml_document& doc) {
  Supply s = kNaturalGasStandard;
  s.lowDrop = "3";
  Builder b(doc, s, 4501);
  pugi::xml_node main = b.Fitting(b.Root(), "Main Tee", "Tee", "25", "Pipe");
  pugi::xml_node range = b.Valve(main, "Range EFV", "CV-EFV-100", "2");
  b.Run(range, "Range", "Range", "65", "30");
  pugi::xml_node dryer = b.Valve(main, "Dryer EFV", "CV-EFV-40", "2");
  b.Run(dryer, "Dryer", "Dryer", "22", "26");
  pugi::xml_node heat = b.Fitting(main, "Basement Manifold", "Manifold", "14");
  pugi::xml_node furnace = b.Valve(heat, "Furnace EFV", "CV-EFV-135", "1");
  b.Run(furnace, "Furnace", "Furnace", "100", "9");
  pugi::xml_node water = b.Valve(heat, "Water Heater EFV", "CV-EFV-70", "1");
  b.Run(water, "Water Heater", "Water Heater", "50", "7");
  b.Run(main, "Fireplace", "Fireplace", "30", "44");
}

// A metric project on the user-defined method: 20 mb supply and 2.5 mb
// allowable drop, typed in metres and kCal but stored in English units.
void Metric(pugi::xml_document& doc) {
  auto mb = [](const char* v) { return cv::ConvertUnits(v, "Pressure", "Metric", "English"); };
  auto m = [](const char* v) { return cv::ConvertUnits(v, "Length", "Metric", "English"); };
  auto kcal = [](const char* v) { return cv::ConvertUnits(v, "Load", "Metric", "English"); };
  Supply s{"CVSystem-2.2.4-Metric", "Natural Gas", "0", "0", mb("20"), "0", mb("2.5")};
  s.method = "User Defined Method";
  Builder b(doc, s, 5601);
  pugi::xml_node manifold = b.Fitting(b.Root(), "Manifold", "Manifold", m("4"));
  b.Run(manifold, "Combi Boiler", "Boiler", kcal("24"), m("6"));
  b.Run(manifold, "Hob", "Range", kcal("8"), m("11"));
  b.Run(manifold, "Gas Fire", "Fireplace", kcal("5"), m("9.5"));
  b.Run(manifold, "Tumble Dryer", "Dryer", kcal("4"), m("14"));
}

// A long, fixed small steel main in front of a large boiler: the run cannot
// be sized and the program says so.
void Undersized(pugi::xml_document& doc) {
  Builder b(doc, kNaturalGasStandard, 6701);
  pugi::xml_node main = b.Fitting(b.Root(), "Existing Main", "Tee", "120", "Pipe");
  Builder::Fix(main, "3/4\" SCHEDULE 40");
  b.Run(main, "Boiler", "Boiler", "199", "40");
  b.Run(main, "Water Heater", "Water Heater", "40", "15");
}

const char* const kUsage =
    "Usage: corvanta-make-examples [FOLDER]\n"
    "\n"
    "Writes the example projects into FOLDER (default: examples).\n";

}  // namespace

int main(int argc, char** argv) {
  if (auto status = cv::AnswerPlainArguments(argc, argv, "corvanta-make-examples", kUsage, 0, 1))
    return *status;
  const std::filesystem::path folder = argc > 1 ? argv[1] : "examples";
  const std::vector<std::pair<const char*, void (*)(pugi::xml_document&)>> makers = {
      {"house.cv", House},
      {"propane_house.cv", PropaneHouse},
      {"dual_pressure_2psi.cv", DualPressure},
      {"efv_branches.cv", EFVBranches},
      {"metric_user_defined.cv", Metric},
      {"undersized_main.cv", Undersized},
  };
  try {
    for (const auto& [name, make] : makers) {
      pugi::xml_document doc;
      make(doc);
      cv::SaveDocumentFile(doc, (folder / name).string());
    }
  } catch (const cv::CvError& e) {
    std::cerr << cv::StandardErrorText(e) << "\n";
    return 1;
  }
  return 0;
}
