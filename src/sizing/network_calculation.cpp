#include "sizing/network_calculation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/calc_context.h"
#include "sizing/carried_loads.h"
#include "sizing/input_checks.h"
#include "sizing/model_sizing.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_sizing.h"
#include "sizing/tables.h"

namespace cv {

namespace {

double SumLoads(pugi::xml_node node, bool write) {
  double sum = 0;
  for (pugi::xml_node child : node.children(kSystemNodeName)) sum += SumLoads(child, write);
  if (IsSystemRoot(node)) {
    if (write) SetFieldText(node, "load", FormatNumber(sum));
    return sum;
  }
  if (PassesLoadThrough(FieldView(node, "appliance"))) {
    if (write) SetFieldText(node, "load", FormatNumber(sum));
  } else {
    sum += FieldNumber(node, "load");
  }
  return sum;
}

// The ordering key of a run: its load rounded to a whole number (halves to
// even), padded with zeros to 12 characters, "|" and its id.
std::string OrderingKey(pugi::xml_node node) {
  const double load = RoundHalfEven(FieldNumber(node, "load"), 0);
  std::string digits = FormatNumber(load);
  if (digits.size() < 12) digits.insert(0, 12 - digits.size(), '0');
  return digits + "|" + NodeId(node);
}

// The runs are visited in the order of their keys compared without regard
// to case; the key is lowered once so that sorting compares plain bytes.
struct OrderedRun {
  std::string sortKey;
  std::string id;
};

OrderedRun MakeOrderedRun(pugi::xml_node node) {
  OrderedRun run{OrderingKey(node), NodeId(node)};
  for (char& c : run.sortKey)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return run;
}

std::pair<pugi::xml_node, bool> FindUpstreamEFV(pugi::xml_node node) {
  for (pugi::xml_node cur = node;; cur = cur.parent()) {
    if (IsSystemRoot(cur)) return {cur, false};
    if (FieldView(cur, "appliance") == "EFV") return {cur, true};
  }
}

// One sizing pass over the runs of the project document, or of the trip
// document while the trip-flow pass runs. A calculation changes no
// document's structure, so each list of runs is collected once.
void CalculateNodeSizes(const std::vector<pugi::xml_node>& nodes, pugi::xml_node projectRoot,
                        ProgramState& state, const CarriedLoads* carried) {
  state.Log.RestartNumbering();

  std::vector<OrderedRun> runs;
  std::unordered_map<std::string, pugi::xml_node> firstById;
  for (pugi::xml_node node : nodes) {
    firstById.emplace(NodeId(node), node);
    if (IsApplianceOrRegulator(node)) runs.push_back(MakeOrderedRun(node));
    if (!IsSizeFixed(node))
      SetFieldText(node, "materialSize", SizeNameAt(0, FieldText(node, "material")));
  }
  std::stable_sort(runs.begin(), runs.end(),
                   [](const OrderedRun& a, const OrderedRun& b) { return a.sortKey < b.sortKey; });

  CalcContext ctx{state, projectRoot, {}};
  ctx.carried = carried;
  ctx.testBound = SizingTestBound(nodes.size());
  bool stopped = false;
  for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
    auto found = firstById.find(it->id);
    if (found == firstById.end()) continue;
    pugi::xml_node node = found->second;
    // The trip-flow pass sizes the runs behind an EFV and the high side.
    if (state.TripFlowPass && !FindUpstreamEFV(node).second && !IsHighPressureSideNode(node))
      continue;
    if (stopped)
      state.SizingFailures.back().notReached.push_back(it->id);
    else
      stopped = !SizeRunByMethod(node, ctx);
  }
}

double SetMaxTripFlow(pugi::xml_node node, const ProgramState& state) {
  if (IsTerminatingNode(node)) {
    auto [efv, isEfv] = FindUpstreamEFV(node);
    if (!isEfv) return 0;
    const double flow = GetEFVFlow(state.EFVCollection, FieldText(efv, "ModelNumber"), "TRIP");
    SetFieldText(node, "load", FormatNumber(flow));
    return flow;
  }
  double largest = 0;
  for (pugi::xml_node child : node.children(kSystemNodeName))
    largest = std::max(largest, SetMaxTripFlow(child, state));
  SetFieldText(node, "load", FormatNumber(largest));
  return largest;
}

std::string MergeEntry(pugi::xml_node node, const std::string& material, const std::string& normal,
                       const std::string& trip, const std::string& final, bool tripWins) {
  const pugi::xml_node parent = node.parent();
  std::string entry = "Current Node: " + FieldText(node, "appliance") +
                      ", Description: " + FieldText(node, "description") + "\r\n";
  entry += IsSystemRoot(parent) ? std::string("Parent Node: Gas Supply ")
                                : "Parent Node: " + FieldText(parent, "appliance") +
                                      ", Description: " + FieldText(parent, "description");
  entry += "\r\nMaterial: " + material;
  if (material == kPipe)
    entry += "\r\nSteel Pipe";
  else if (tripWins)
    entry += "\r\nCorvanta Pipe";
  entry += "\r\nNormal Flow Size: " + normal + "\r\nTrip Flow Size: " + trip +
           "\r\nSetting the Final size to:" + final;
  return entry;
}

// Keeps the larger of the normal-pass and trip-pass size of every run.
void CompareandSetLargePipeSize(const std::vector<pugi::xml_node>& normalNodes,
                                const std::vector<pugi::xml_node>& tripNodes, ProgramState& state) {
  for (size_t i = 0; i < normalNodes.size() && i < tripNodes.size(); ++i) {
    const std::string normalSize = FieldText(normalNodes[i], "materialSize");
    const std::string normalMaterial = FieldText(normalNodes[i], "material");
    const std::string tripSize = FieldText(tripNodes[i], "materialSize");
    const std::string material = FieldText(tripNodes[i], "material");
    if (material != kCorvanta && material != kPipe) continue;
    const int normalIndex = SizeIndexOf(normalSize, normalMaterial);
    const int tripIndex = SizeIndexOf(tripSize, material);
    const bool tripWins = !(normalIndex > tripIndex);
    const std::string final = SizeNameAt(tripWins ? tripIndex : normalIndex, material);
    SetFieldText(normalNodes[i], "materialSize", final);
    if (state.DebugMode)
      state.Log.Write(MergeEntry(normalNodes[i], material, normalSize, tripSize, final, tripWins));
  }
}

void RunTripFlowPass(const pugi::xml_document& project,
                     const std::vector<pugi::xml_node>& projectNodes, ProgramState& state) {
  if (state.DebugMode) state.Log.Write("\r\n***** Executing Trip Flow Calculations *****\r\n");
  state.TripDocument.reset(project);
  state.TripFlowPass = true;
  pugi::xml_node tripRoot = ProjectRoot(state.TripDocument);
  WithContext("modTreeFunctions.SetMaxTripFlow", [&] { SetMaxTripFlow(tripRoot, state); });
  if (IsDualSystem(ProjectRoot(project))) HighSideLoadTotal(tripRoot);
  const std::vector<pugi::xml_node> tripNodes = AllSystemNodes(state.TripDocument);
  CalculateNodeSizes(tripNodes, ProjectRoot(project), state, nullptr);
  if (state.DebugMode && !TrimBlanks(state.ProjectPath).empty())
    SaveDocumentFile(state.TripDocument, TripDocumentPath(state.ProjectPath));
  WithContext("modTreeFunctions.CompareandSetLargePipeSize",
              [&] { CompareandSetLargePipeSize(projectNodes, tripNodes, state); });
  state.TripFlowPass = false;
}

}  // namespace

double AccumulateLoads(pugi::xml_node node) { return SumLoads(node, true); }

double AddLoads(pugi::xml_node node) {
  return WithContext("modTreeFunctions.AddLoads", [&] { return SumLoads(node, false); });
}

bool IsTerminatingNode(pugi::xml_node node) noexcept { return !node.child(kSystemNodeName); }

std::string TripDocumentPath(const std::string& projectPath) {
  std::filesystem::path path(projectPath);
  return (path.parent_path() / (path.stem().string() + "_Trip.xml")).string();
}

void CalculateNetwork(pugi::xml_document& project, ProgramState& state) {
  // The trace follows every step on the document as it is written.
  if (!state.DebugMode && CalculateOnModel(project, state)) return;
  CalculateNetworkOnDocument(project, state);
}

void CalculateNetworkOnDocument(pugi::xml_document& project, ProgramState& state) {
  WithContext("modTreeFunctions.CalculateNetwork -", [&] {
    state.TripFlowPass = false;
    state.LastSizingFailed = false;
    state.SizingFailures.clear();
    // The trace is started once per calculation, so that it holds both
    // passes.
    state.Log.Restart(state.DebugMode, state.ProjectPath);
    const bool efvPresent = DocumentHasEFV(project);
    if (efvPresent && state.DebugMode)
      state.Log.Write("\r\n***** Executing Normal Flow Calculations *****\r\n");
    pugi::xml_node root = ProjectRoot(project);
    if (SystemNodeDepth(project) > kMaxNetworkDepth)
      Raise(kErrOutOfStack,
            "the network nests more than " + std::to_string(kMaxNetworkDepth) + " runs deep");
    CheckRunInputs(project);
    AccumulateLoads(root);
    const std::vector<pugi::xml_node> nodes = AllSystemNodes(project);
    const CarriedLoads carried(project);
    CalculateNodeSizes(nodes, root, state, &carried);
    if (efvPresent) {
      try {
        RunTripFlowPass(project, nodes, state);
      } catch (...) {
        state.TripFlowPass = false;
        throw;
      }
    }
    CalcContext ctx{state, root, {}};
    ctx.carried = &carried;
    for (pugi::xml_node node : nodes)
      if (IsApplianceOrRegulator(node)) PressureDropToSource(node, false, ctx);
  });
}

}  // namespace cv
