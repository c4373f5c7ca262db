// The edits of a project and the rules they apply: drops, updates and the
// check of a whole file, each row on a network built fresh.
#include <gtest/gtest.h>

#include <stdexcept>

#include "edit/edit_history.h"
#include "edit/placement_rules.h"
#include "edit/project.h"
#include "edit/rule_check.h"
#include "edit/trip_flow.h"
#include "project/document.h"
#include "support/project_builder.h"

namespace {

using cv::EditStatus;

// Gas supply
//   reg (Regulator) - lowTee - efv (EFV T200) - underEFV (Tee) - range 150
//                                             \ named "Gas Supply" (Tee)
//   highTee - lamp 10, spare (EFV T100)
//   carrier (Tee) - carried (EFV T100)
//   big (Boiler 150), bareReg (Regulator)
class Network {
 public:
  explicit Network(bool dual) {
    for (auto [id, trip] :
         {std::pair{"T40", 40.0}, {"T70", 70.0}, {"T100", 100.0}, {"T200", 200.0}}) {
      cv::EFVParameters model;
      model.ID = id;
      model.TripFlow = trip;
      catalog.Add(model);
    }
    cvtest::BuildProject(project.Doc(),
                         dual ? cvtest::TwoPsiDualSupply() : cvtest::SupplySettings{});
    const pugi::xml_node root = cv::ProjectRoot(project.Doc());
    auto add = [&](pugi::xml_node parent, const char* id, const char* kind, const char* load = "0",
                   const char* model = "Other") {
      return cvtest::AddRun(
          parent, {.id = id, .appliance = kind, .load = load, .model = model, .description = id});
    };
    auto efv = add(add(add(root, "reg", "Regulator"), "lowTee", "Tee"), "efv", "EFV", "0", "T200");
    add(add(efv, "underEFV", "Tee"), "range", "Range", "150");
    cvtest::AddRun(efv, {.id = "named", .appliance = "Tee", .description = "Gas Supply"});
    auto highTee = add(root, "highTee", "Tee");
    add(highTee, "lamp", "Lamp", "10");
    add(highTee, "spare", "EFV", "0", "T100");
    add(add(root, "carrier", "Tee"), "carried", "EFV", "0", "T100");
    add(root, "big", "Boiler", "150");
    add(root, "bareReg", "Regulator");
  }
  pugi::xml_node N(const std::string& id) {
    return id == "root" ? cv::ProjectRoot(project.Doc())
                        : cv::FindSystemNodeById(project.Doc(), id);
  }

  cv::EFVCatalog catalog;
  cv::Project project{catalog};
};

std::string Trip(const char* model, const char* trip) {
  return cv::TripFlowMessage(model, std::stod(trip));
}

TEST(MoveRun, TheDropTableDecidesEachDrop) {
  const std::string series = cv::kSeriesMessage, high = cv::kHighPressureMessage;
  const std::string branch = "'lowTee' cannot be moved into its own branch.";
  struct Row {
    const char* dragged;
    const char* target;
    bool dual;
    EditStatus status;
    std::string message;
    bool showTarget = true;
  };
  const Row rows[] = {
      {"root", "lamp", false, EditStatus::Unchanged, "", false},
      {"lamp", "lamp", false, EditStatus::Unchanged, "", false},
      {"lowTee", "range", false, EditStatus::Refused, branch, false},
      {"spare", "efv", false, EditStatus::Refused, series, false},
      {"spare", "lamp", true, EditStatus::Refused, high},
      {"spare", "bareReg", true, EditStatus::Done, ""},  // the regulator counts as above
      {"spare", "underEFV", false, EditStatus::Refused, series},
      {"spare", "named", false, EditStatus::Refused, series},  // not the top: that is the root
      {"spare", "highTee", false, EditStatus::Done, ""},       // an EFV in a second branch
      {"spare", "carrier", false, EditStatus::Refused, series},
      {"spare", "big", false, EditStatus::Refused, Trip("T100", "100")},
      {"bareReg", "underEFV", true, EditStatus::Refused, high},
      {"bareReg", "underEFV", false, EditStatus::Done, ""},
      {"bareReg", "lamp", true, EditStatus::Done, ""},
      {"carrier", "efv", false, EditStatus::Refused, series},
      {"lamp", "efv", false, EditStatus::Done, ""},  // 10 + 150 within 200
      {"big", "efv", false, EditStatus::Refused, Trip("T200", "200")},
      {"carrier", "underEFV", false, EditStatus::Refused, series},
      {"carrier", "highTee", true, EditStatus::Refused, high},
      {"carrier", "lowTee", true, EditStatus::Done, ""},
      {"big", "underEFV", false, EditStatus::Refused, Trip("T200", "200")},
      {"range", "underEFV", false, EditStatus::Done, ""},  // onto its own parent
      {"lamp", "root", true, EditStatus::Done, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.dragged) + " onto " + row.target + (row.dual ? ", dual" : ""));
    Network net(row.dual);
    const pugi::xml_node dragged = net.N(row.dragged), target = net.N(row.target);
    const std::string before = cv::SerializeDocument(net.project.Doc());
    const cv::EditOutcome out = net.project.MoveRun(dragged, target);
    EXPECT_EQ(out.status, row.status);
    EXPECT_EQ(out.message.text, row.message);
    EXPECT_EQ(out.showTarget, row.showTarget);
    if (row.status == EditStatus::Done)
      EXPECT_EQ(dragged.parent(), target);
    else
      EXPECT_EQ(cv::SerializeDocument(net.project.Doc()), before);
  }
}

TEST(KindChangeRefusal, EFVsAndRegulatorsWhereTheRulesForbidThem) {
  const std::string none, series = cv::kSeriesMessage, high = cv::kHighPressureMessage;
  const std::tuple<const char*, const char*, bool, std::string> rows[] = {
      {"big", "EFV", true, high},  // nothing regulates a run at the gas supply
      {"reg", "EFV", true, high},  // the regulator itself
      {"underEFV", "Regulator", true, high},
      {"efv", "Regulator", true, high},
      {"underEFV", "Regulator", false, none},
      {"underEFV", "EFV", false, series},
      {"reg", "EFV", false, series},  // an EFV along its first children
      {"highTee", "EFV", false, none},
      {"efv", "EFV", true, none},  // an EFV stays one
  };
  for (const auto& [id, kind, dual, message] : rows) {
    Network net(dual);
    const char* refusal = cv::KindChangeRefusal(net.N(id), kind, dual);
    EXPECT_EQ(refusal ? refusal : "", message) << id << " to " << kind;
  }
}

// Typed values are in stored units here; a refused update writes nothing.
TEST(UpdateRun, TheTripFlowBehindAnEFVBoundsTheLoads) {
  struct Row {
    const char* id;
    const char* load;
    const char* kind;
    const char* model;
    std::string message;
  };
  const Row rows[] = {
      {"range", "200.01", "Range", "Other", Trip("T200", "200")},
      {"range", "200", "Range", "Other", ""},   // equal to the trip flow
      {"underEFV", "500", "Tee", "Other", ""},  // a fitting adds no load of its own
      {"underEFV", "60", "Range", "Other", Trip("T200", "200")},  // now an appliance: it does
      {"highTee", "0", "EFV", "T40", ""},  // 10 below; the spare EFV passes nothing on
      {"reg", "0", "EFV", "T100", Trip("T100", "100")},  // 150 below
      {"big", "150", "EFV", "T70", ""},                  // its own load does not count
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.id) + " " + row.load + " " + row.kind);
    Network net(false);
    const pugi::xml_node node = net.N(row.id);
    const std::string before = cv::SerializeDocument(net.project.Doc());
    const cv::EditOutcome out = net.project.UpdateRun(
        node, {"Renamed", row.load, "20", "CORVANTA", "", row.kind, false, row.model});
    EXPECT_EQ(out.message.text, row.message);
    if (!row.message.empty()) {
      EXPECT_EQ(out.message.buttons, cv::MessageButtons::OkCancel);
      EXPECT_EQ(cv::SerializeDocument(net.project.Doc()), before);
      continue;
    }
    EXPECT_EQ(cv::FieldText(node, "load"), row.load);
    EXPECT_EQ(cv::FieldText(node, "ModelNumber"),
              std::string(row.kind) == "EFV" ? row.model : "Other");
  }
}

TEST(EditRuns, EFVEnabledFollowsTheNetworkAndFieldsStayAheadOfChildren) {
  Network net(false);
  cv::Project& p = net.project;
  const pugi::xml_node root = cv::ProjectRoot(p.Doc());
  for (const char* efv : {"efv", "spare"}) p.RemoveRun(net.N(efv));
  EXPECT_EQ(cv::FieldText(root, "EFVEnabled"), "True");
  p.RemoveRun(net.N("carrier"));
  EXPECT_EQ(cv::FieldText(root, "EFVEnabled"), "False");
  EXPECT_EQ(p.RemoveRun(root).status, EditStatus::Unchanged);
  // An older file without the fixed-size flag gets it ahead of the child runs.
  pugi::xml_node tee = net.N("highTee");
  tee.remove_child("materialSizeFixed");
  p.UpdateRun(tee, {"Valve", "0", "5", "CORVANTA", "", "EFV", true, "T40"});
  EXPECT_EQ(cv::FieldText(root, "EFVEnabled"), "True");
  EXPECT_STREQ(tee.child("materialSizeFixed").next_sibling().name(), "SystemNode");
  EXPECT_TRUE(cv::IsSizeFixed(tee));
  EXPECT_EQ(p.AddRun(tee).parent(), tee);
  EXPECT_FALSE(p.AddRun({}));
}

TEST(CheckProjectRules, ListsEveryBrokenRuleOfAHandEditedFile) {
  Network net(true);
  // The network as built keeps every rule: its spare and carried EFVs stand
  // on the high side only once the system is dual.
  cvtest::AddRun(net.N("range"), {.id = "second", .appliance = "EFV", .model = "T40"});
  cvtest::AddRun(net.N("underEFV"), {.id = "lowReg", .appliance = "Regulator"});
  std::vector<std::string> listed;
  for (const cv::BrokenRule& rule : cv::CheckProjectRules(net.project))
    listed.push_back(rule.nodeId + ": " + rule.message);
  EXPECT_EQ(listed,
            (std::vector<std::string>{"second: " + std::string(cv::kSeriesMessage),
                                      "lowReg: " + std::string(cv::kHighPressureMessage),
                                      "spare: " + std::string(cv::kHighPressureMessage),
                                      "carried: " + std::string(cv::kHighPressureMessage)}));
  Network single(false);
  cv::SetFieldText(single.N("range"), "load", "200.5");
  const auto broken = cv::CheckProjectRules(single.project);
  ASSERT_EQ(broken.size(), 1u);
  EXPECT_EQ(broken[0].message, Trip("T200", "200"));
}

}  // namespace

// The history over a plain text: a step per change that altered it, also
// when the change failed halfway; undo and redo give the texts back.
TEST(EditHistory, KeepsEachChangeThatAlteredTheDocument) {
  cv::ProjectView shown{"a", {"1"}, "", {}};
  std::vector<std::pair<std::string, cv::EditHistory::Step>> undos, redos;
  cv::EditHistory history([&] { return shown; }, [&](const cv::ProjectView& v) { shown = v; },
                          [&](const std::string& label, auto undo, auto redo) {
                            undos.emplace_back(label, undo);
                            redos.emplace_back(label, redo);
                          });
  history.Record("grow", [&] { shown.text = "ab"; });
  history.Record("nothing", [&] { shown.expandedIds.clear(); });
  EXPECT_THROW(history.Record("fail",
                              [&] {
                                shown.text = "abc";
                                throw std::runtime_error("halfway");
                              }),
               std::runtime_error);
  ASSERT_EQ(undos.size(), 2u);
  EXPECT_EQ(undos[1].first, "fail");
  undos[1].second();
  EXPECT_EQ(shown.text, "ab");
  undos[0].second();
  EXPECT_EQ(shown.text, "a");
  EXPECT_EQ(shown.expandedIds, std::vector<std::string>{"1"});
  redos[1].second();
  EXPECT_EQ(shown.text, "abc");
}
