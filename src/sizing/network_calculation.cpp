#include "sizing/network_calculation.h"

#include <filesystem>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/calc_model.h"
#include "sizing/input_checks.h"
#include "sizing/model_loads.h"
#include "sizing/model_pass.h"
#include "sizing/model_trip.h"
#include "sizing/program_state.h"
#include "sizing/run_limits.h"
#include "sizing/tables.h"

namespace cv {

namespace {

double SumLoads(pugi::xml_node node) {
  double sum = 0;
  for (pugi::xml_node child : node.children(kSystemNodeName)) sum += SumLoads(child);
  if (IsSystemRoot(node) || PassesLoadThrough(FieldView(node, "appliance"))) return sum;
  return sum + FieldNumber(node, "load");
}

// The pressures of every run on a path from a source to an appliance or a
// regulator, on the final sizes, in the order the document's walk from
// each of them writes them: one pass down the tree gives them all.
void ComputeModelPressures(CalcModel& m, PassShared& shared, ModelPass& normal) {
  const int n = m.Count();
  std::vector<unsigned char> needed(n, 0);
  for (int i = n - 1; i >= 0; --i)
    if (IsApplianceOrRegulator(m.kind[i]) || needed[i]) {
      needed[i] = 1;
      if (m.parent[i] >= 0) needed[m.parent[i]] = 1;
    }
  m.hasPressures.assign(n, 0);
  m.pressure.assign(n, {0, 0, 0});
  std::vector<double> cum(n);
  for (int i = 0; i < n; ++i) {
    if (!needed[i]) continue;
    const SupplyValues& s = shared.Supply();
    const double dp = normal.SegmentDrop(i);
    const int p = m.parent[i];
    auto& out = m.pressure[i];
    if (p < 0) {
      const double base = s.dual ? s.pHigh : s.pLow;
      out = {Round2(base), Round2(dp), Round2(base - dp)};
      cum[i] = Round2(dp);
    } else if (m.kind[p] == RunKind::Regulator) {
      out = {s.pLow, dp, Round2(s.pLow - dp)};
      cum[i] = Round2(dp);
    } else {
      const double base = s.dual && !m.regulatorAbove[i] ? s.pHigh : s.pLow;
      out = {Round2(StoredNumber(m.pressure[p][2])), dp, Round2(base - (dp + cum[p]))};
      cum[i] = Round2(dp + cum[p]);
    }
    for (int f = 0; f < 3; ++f) {
      m.Need(i, static_cast<Field>(kSupply + f));
      m.hasPressures[i] = static_cast<unsigned char>(f + 1);
    }
  }
}

void SizeModel(const pugi::xml_document& project, CalcModel& m, PassShared& shared,
               const CalcOptions& options, bool efvPresent) {
  ModelPass normal(shared, m.values, false);
  normal.Run();
  if (efvPresent) RunTripFlowPass(project, m, shared, options.tripDocumentPath);
  ComputeModelPressures(m, shared, normal);
}

void ShowFailures(const std::vector<SizingFailure>& failures, MessageSink* messages) {
  if (!messages) return;
  for (const SizingFailure& failure : failures)
    messages->Show(SizingFailureMessage(failure.message));
}

}  // namespace

double AddLoads(pugi::xml_node node) {
  return WithContext("modTreeFunctions.AddLoads", [&] { return SumLoads(node); });
}

std::string TripDocumentPath(const std::string& projectPath) {
  std::filesystem::path path(projectPath);
  return (path.parent_path() / (path.stem().string() + "_Trip.xml")).string();
}

CalcResult Calculate(pugi::xml_document& project, const EFVCatalog& catalog,
                     const CalcOptions& options) {
  std::vector<SizingFailure> failures;
  WithContext("modTreeFunctions.CalculateNetwork -", [&] {
    CalcModel m = ReadCalcModel(project, catalog);
    const bool efvPresent = HoldsEFV(m);
    if (efvPresent && options.trace)
      options.trace->Write("\r\n***** Executing Normal Flow Calculations *****\r\n");
    CheckModelInputs(m);
    AccumulateModelLoads(m);
    CheckLoadFields(m);
    PassShared shared{m, catalog, options.trace, failures, options.visitEveryState};
    try {
      SizeModel(project, m, shared, options, efvPresent);
    } catch (...) {
      WriteCalcModel(m);  // what was written stays written
      ShowFailures(failures, options.messages);
      throw;
    }
    WriteCalcModel(m);
  });
  ShowFailures(failures, options.messages);
  return ReadCalcResult(project, IsDualSystem(project), std::move(failures));
}

void StartTrace(DebugLog& log, bool tracing, const std::string& projectPath) {
  WithContext("modTreeFunctions.CalculateNetwork -", [&] { log.Restart(tracing, projectPath); });
}

CalcResult CalculateProject(pugi::xml_document& project, ProgramState& state) {
  StartTrace(state.Log, state.DebugMode, state.ProjectPath);
  CalcOptions options;
  options.messages = state.Messages;
  if (state.DebugMode) {
    options.trace = &state.Log;
    if (!TrimBlanks(state.ProjectPath).empty())
      options.tripDocumentPath = TripDocumentPath(state.ProjectPath);
  }
  return Calculate(project, state.EFVCollection, options);
}

}  // namespace cv
