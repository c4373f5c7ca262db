#include "reports/pressure_profile.h"

#include <algorithm>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "reports/result_json.h"
#include "sizing/calc_context.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_limits.h"
#include "sizing/units.h"
#include "supply/supply_presets.h"

namespace cv {

namespace {

bool IsRegulatorNode(pugi::xml_node node) {
  return IsSystemNode(node) && FieldView(node, "appliance") == "Regulator";
}

// The nodes from the first run below the source down to the node.
std::vector<pugi::xml_node> PathFromSource(pugi::xml_node node) {
  std::vector<pugi::xml_node> path;
  for (pugi::xml_node n = node; IsSystemNode(n); n = n.parent()) {
    path.push_back(n);
    if (IsRegulatorNode(n.parent())) break;
  }
  std::ranges::reverse(path);
  return path;
}

ProfilePoint SourcePoint(pugi::xml_node firstRun) {
  const pugi::xml_node source = firstRun.parent();
  ProfilePoint point;
  point.id = IsSystemNode(source) ? NodeId(source) : kGasSupplyId;
  point.description = IsSystemNode(source) ? FieldText(source, "description") : "Gas Supply";
  point.pressure = FieldNumber(firstRun, "SupplyPressure");
  return point;
}

// The lowest pressure the method lets the path's end reach: the source
// pressure less the allowable drop, or the delivery pressure the delivery
// method demands on the low-pressure side.
double PathLimit(const pugi::xml_document& doc, pugi::xml_node node, bool dualSystem) {
  const SupplyValues s = ReadSupplyValues(ProjectRoot(doc), dualSystem);
  if (dualSystem && !HasRegulatorAncestor(node)) return s.pHigh - s.aHigh;
  if (s.method == kDeliveryPressureMethod) return s.dLow;
  return s.pLow - s.aLow;
}

// The runs the result does not count as sized: few, so the points of a long
// path look their status up here rather than in every run.
std::vector<const RunResult*> UnsizedRuns(const CalcResult& result) {
  std::vector<const RunResult*> runs;
  for (const RunResult& run : result.runs)
    if (run.status != RunStatus::Sized) runs.push_back(&run);
  return runs;
}

RunStatus StatusOf(const std::vector<const RunResult*>& unsized, std::string_view id) {
  const auto found = std::ranges::find(unsized, id, &RunResult::id);
  return found == unsized.end() ? RunStatus::Sized : (*found)->status;
}

}  // namespace

PressureProfile BuildPressureProfile(const pugi::xml_document& doc, std::string_view id,
                                     bool dualSystem, std::string_view unitSystem,
                                     const CalcResult& result) {
  const pugi::xml_node node = FindSystemNodeById(doc, id);
  if (!IsApplianceOrRegulator(node))
    Raise(5, "no appliance or regulator has the id " + std::string(id));
  PressureProfile profile;
  profile.id = id;
  profile.limit = PathLimit(doc, node, dualSystem);
  profile.metric = unitSystem == kMetric;
  profile.unit = RunPressureUnit(node, unitSystem, dualSystem);
  const std::vector<pugi::xml_node> path = PathFromSource(node);
  const std::vector<const RunResult*> unsized = UnsizedRuns(result);
  profile.points.push_back(SourcePoint(path.front()));
  for (pugi::xml_node run : path) {
    ProfilePoint point;
    point.id = NodeId(run);
    point.description = FieldText(run, "description");
    point.distance = profile.points.back().distance + FieldNumber(run, "length");
    point.pressure = FieldNumber(run, "DeliveredPressure");
    point.size = FieldText(run, "materialSize");
    point.drop = FieldNumber(run, "PressureDrop");
    point.status = StatusOf(unsized, point.id);
    profile.points.push_back(std::move(point));
  }
  return profile;
}

std::string PressureProfileJson(const PressureProfile& profile) {
  std::string out = "{";
  const auto text = [&out](const char* key, std::string_view value) {
    out.append("\"").append(key).append("\": ");
    AppendJsonString(out, value);
  };
  const auto number = [&out](const char* key, double value) {
    out.append(", \"").append(key).append("\": ");
    AppendJsonNumber(out, value);
  };
  text("id", profile.id);
  number("limit", profile.limit);
  out += ", \"points\": [";
  for (const ProfilePoint& p : profile.points) {
    out += &p == profile.points.data() ? "\n  {" : ",\n  {";
    text("id", p.id);
    out += ", ";
    text("description", p.description);
    number("distance", p.distance);
    number("pressure", p.pressure);
    out += ", ";
    text("size", p.size);
    number("drop", p.drop);
    out += ", ";
    text("status", RunStatusText(p.status));
    out += '}';
  }
  out += "\n]}\n";
  return out;
}

double PressureInUnit(double inchesWc, PressureUnit unit) noexcept {
  switch (unit) {
    case PressureUnit::Millibar:
      return inchesWc / kPressureFactor;
    case PressureUnit::Psi:
      return inchesWc / kInchesWcPerPsi;
    case PressureUnit::InchesWc:
      break;
  }
  return inchesWc;
}

}  // namespace cv
