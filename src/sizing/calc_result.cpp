#include "sizing/calc_result.h"

#include <unordered_map>
#include <utility>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/carried_loads.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_limits.h"
#include "sizing/stored_drops.h"

namespace cv {

namespace {

std::optional<double> NumberOf(pugi::xml_node node, const char* field) {
  return TryParseNumber(FindField(node, field).child_value());
}

RunResult ReadRun(pugi::xml_node node, const CarriedLoads& carried) {
  RunResult run;
  run.id = node.first_attribute().value();
  if (const pugi::xml_node parent = node.parent(); IsSystemNode(parent))
    run.parent = parent.first_attribute().value();
  run.description = FindField(node, "description").child_value();
  run.kind = FindField(node, "appliance").child_value();
  run.load = NumberOf(node, "load");
  run.flow = carried.Of(node);
  run.length = NumberOf(node, "length");
  run.material = FindField(node, "material").child_value();
  run.size = FindField(node, "materialSize").child_value();
  run.supplyPressure = NumberOf(node, "SupplyPressure");
  run.pressureDrop = NumberOf(node, "PressureDrop");
  run.deliveredPressure = NumberOf(node, "DeliveredPressure");
  return run;
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

bool BreaksLimit(pugi::xml_node node, double dropFromSource, const SupplyValues& supply) {
  const bool lowSide = !supply.dual || HasRegulatorAncestor(node);
  const RunTest t = JudgeRun(dropFromSource, supply, lowSide, false);
  return Round2(t.limit) < Round2(t.value);
}

// Every appliance and regulator still counted as sized is judged on the
// sizes the document now holds: sizing a later run can have reset a size
// above it. A run of no length is never sized, so it is not judged either.
void MarkBrokenLimits(const pugi::xml_document& doc, bool dual, CalcResult& result) {
  SupplyValues supply;
  try {
    supply = ReadSupplyValues(ProjectRoot(doc), dual);
  } catch (const CvError&) {
    return;  // settings that cannot be read were reported by the calculation
  }
  if (!IsKnownMethod(supply.method)) return;
  const auto drops = StoredDropsFromSource(doc);
  for (size_t i = 0; i < drops.size() && i < result.runs.size(); ++i) {
    const auto& [node, drop] = drops[i];
    const RunResult& run = result.runs[i];
    if (run.status == RunStatus::Sized && run.length.value_or(0) > 0 &&
        IsApplianceOrRegulator(node) && BreaksLimit(node, drop, supply))
      Mark(result.runs[i], RunStatus::OutsideLimit,
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
  const CarriedLoads carried(doc);
  for (pugi::xml_node node : AllSystemNodes(doc)) result.runs.push_back(ReadRun(node, carried));
  result.failures = std::move(failures);
  MarkPassStops(result);
  MarkBrokenLimits(doc, dualSystem, result);
  return result;
}

}  // namespace cv
