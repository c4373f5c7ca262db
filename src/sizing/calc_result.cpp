#include "sizing/calc_result.h"

#include <cstring>
#include <unordered_map>
#include <utility>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_limits.h"
#include "sizing/tables.h"

namespace cv {

namespace {

// The fields a result reads, found in one pass over the node's fields; each
// is the first of its name, as FindField finds it.
struct RunFields {
  pugi::xml_node description, appliance, load, length, material, size, supply, drop, delivered;
};

RunFields ReadFields(pugi::xml_node node) {
  RunFields f;
  static constexpr std::pair<const char*, pugi::xml_node RunFields::*> kSlots[] = {
      {"description", &RunFields::description},
      {"appliance", &RunFields::appliance},
      {"load", &RunFields::load},
      {"length", &RunFields::length},
      {"material", &RunFields::material},
      {"materialSize", &RunFields::size},
      {"SupplyPressure", &RunFields::supply},
      {"PressureDrop", &RunFields::drop},
      {"DeliveredPressure", &RunFields::delivered}};
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    const char* name = child.name();
    if (std::strcmp(name, kSystemNodeName) == 0) break;
    for (const auto& [slotName, slot] : kSlots)
      if (!(f.*slot) && std::strcmp(name, slotName) == 0) f.*slot = child;
  }
  return f;
}

std::optional<double> NumberOf(pugi::xml_node field) { return TryParseNumber(field.child_value()); }

RunResult ReadRun(pugi::xml_node node, const RunFields& f) {
  RunResult run;
  run.id = node.first_attribute().value();
  if (const pugi::xml_node parent = node.parent(); IsSystemNode(parent))
    run.parent = parent.first_attribute().value();
  run.description = f.description.child_value();
  run.kind = f.appliance.child_value();
  run.load = NumberOf(f.load);
  run.length = NumberOf(f.length);
  run.material = f.material.child_value();
  run.size = f.size.child_value();
  run.supplyPressure = NumberOf(f.supply);
  run.pressureDrop = NumberOf(f.drop);
  run.deliveredPressure = NumberOf(f.delivered);
  return run;
}

// The runs in document order with their nodes and the index of each run's
// parent run (-1 under the root).
struct RunWalk {
  std::vector<RunResult>& runs;
  std::vector<pugi::xml_node> nodes;
  std::vector<int> parents;
};

// Reads the run and everything below it, and returns the load it carries
// before a fitting's total is rounded through its text: children first in
// document order, then the run's own load, so that the sums agree to the
// last bit with the calculation's.
double ReadSubtree(pugi::xml_node node, int parent, RunWalk& walk) {
  const RunFields f = ReadFields(node);
  const int index = static_cast<int>(walk.runs.size());
  walk.runs.push_back(ReadRun(node, f));
  walk.nodes.push_back(node);
  walk.parents.push_back(parent);
  double sum = 0;
  for (pugi::xml_node child : node.children(kSystemNodeName))
    sum += ReadSubtree(child, index, walk);
  if (PassesLoadThrough(f.appliance.text().get())) {
    walk.runs[index].flow = ParseNumber(FormatNumber(sum));
    return sum;
  }
  sum += TryParseNumber(f.load.text().get()).value_or(0);
  walk.runs[index].flow = sum;
  return sum;
}

// A failure outweighs a pass not reaching the run, which outweighs a limit
// broken afterwards.
int Weight(RunStatus status) {
  switch (status) {
    case RunStatus::Failed:
      return 3;
    case RunStatus::NotReached:
      return 2;
    case RunStatus::OutsideLimit:
      return 1;
    case RunStatus::Sized:
      break;
  }
  return 0;
}

void Mark(RunResult& run, RunStatus status, std::string message) {
  if (Weight(status) <= Weight(run.status)) return;
  run.status = status;
  run.message = std::move(message);
}

void MarkPassStops(CalcResult& result) {
  std::unordered_map<std::string_view, size_t> firstById;
  for (size_t i = 0; i < result.runs.size(); ++i) firstById.emplace(result.runs[i].id, i);
  auto find = [&](const std::string& id) {
    const auto found = firstById.find(id);
    return found == firstById.end() ? nullptr : &result.runs[found->second];
  };
  for (const SizingFailure& failure : result.failures) {
    RunResult* stop = find(failure.nodeId);
    if (!stop) continue;
    Mark(*stop, RunStatus::Failed, failure.message);
    const std::string reason = "Not sized: the calculation stopped at '" + stop->description + "'";
    for (const std::string& id : failure.notReached)
      if (RunResult* run = find(id)) Mark(*run, RunStatus::NotReached, reason);
  }
}

bool BreaksLimit(double dropFromSource, const SupplyValues& supply, bool lowSide) {
  const RunTest t = JudgeRun(dropFromSource, supply, lowSide, false);
  return Round2(t.limit) < Round2(t.value);
}

// Every appliance and regulator still counted as sized is judged on the
// sizes the document now holds: sizing a later run can have reset a size
// above it. A run of no length is never sized, so it is not judged either.
// Each run adds its stored segment drop to its parent's drop from the
// source, rounding as the walk from the source does.
void MarkBrokenLimits(const pugi::xml_document& doc, bool dual, const RunWalk& walk,
                      CalcResult& result) {
  SupplyValues supply;
  try {
    supply = ReadSupplyValues(ProjectRoot(doc), dual);
  } catch (const CvError&) {
    return;  // settings that cannot be read were reported by the calculation
  }
  if (!IsKnownMethod(supply.method)) return;
  const size_t count = walk.nodes.size();
  std::vector<double> drops(count);
  std::vector<char> regulator(count), belowRegulator(count);
  for (size_t i = 0; i < count; ++i) {
    const int p = walk.parents[i];
    if (p >= 0 && !regulator[p])  // asked of a parent only, as a source
      regulator[p] = FieldView(walk.nodes[p], "appliance") == "Regulator" ? 1 : 2;
    const bool fromSource = p < 0 || regulator[p] == 1;
    drops[i] = Round2(result.runs[i].pressureDrop.value_or(0) + (fromSource ? 0 : drops[p]));
    belowRegulator[i] = p >= 0 && (belowRegulator[p] || regulator[p] == 1);
    RunResult& run = result.runs[i];
    if (run.status == RunStatus::Sized && run.length.value_or(0) > 0 &&
        IsApplianceOrRegulator(walk.nodes[i]) &&
        BreaksLimit(drops[i], supply, !supply.dual || belowRegulator[i]))
      Mark(run, RunStatus::OutsideLimit,
           "Outside the limit on the final sizes: a run sized after it changed a size above it");
  }
}

}  // namespace

std::string_view RunStatusText(RunStatus status) noexcept {
  switch (status) {
    case RunStatus::Failed:
      return "failed";
    case RunStatus::OutsideLimit:
      return "outside-limit";
    case RunStatus::NotReached:
      return "not-reached";
    case RunStatus::Sized:
      break;
  }
  return "sized";
}

size_t CalcResult::UnsizedCount() const noexcept {
  size_t count = 0;
  for (const RunResult& run : runs) count += run.status == RunStatus::Sized ? 0 : 1;
  return count;
}

std::vector<std::string> CalcResult::UnsizedRunIds() const {
  std::vector<std::string> ids;
  for (const RunResult& run : runs)
    if (run.status != RunStatus::Sized) ids.push_back(run.id);
  return ids;
}

CalcResult ReadCalcResult(const pugi::xml_document& doc, bool dualSystem,
                          std::vector<SizingFailure> failures) {
  CalcResult result;
  const pugi::xml_node root = ProjectRoot(doc);
  result.method = FindField(root, "calculationType").child_value();
  try {
    result.gas = RootAttributeText(root, kAttrGasType);
  } catch (const CvError&) {
    // a root without its attributes names no gas
  }
  RunWalk walk{result.runs, {}, {}};
  for (pugi::xml_node node : root.children(kSystemNodeName)) ReadSubtree(node, -1, walk);
  result.failures = std::move(failures);
  MarkPassStops(result);
  MarkBrokenLimits(doc, dualSystem, walk, result);
  return result;
}

}  // namespace cv
