// One sizing pass over the model: the normal pass on the project's values,
// or the trip-flow pass on its copy. Runs are sized from the largest load
// down; a run that fails its limit grows the runs on its path in the
// upsizing order until it passes or nothing may grow.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "efv/efv_catalog.h"
#include "sizing/calc_context.h"
#include "sizing/calc_model.h"
#include "sizing/calc_result.h"
#include "sizing/calc_trace.h"
#include "sizing/run_limits.h"

namespace cv {

// What both passes and the last step share: the supply settings are read
// where a pass first needs them (a project without runs never reads them).
struct PassShared {
  const CalcModel& m;
  const EFVCatalog& catalog;
  CalcTrace* trace = nullptr;  // none: no trace
  std::vector<SizingFailure>& failures;
  bool visitEveryState = false;
  std::optional<SupplyValues> supply = std::nullopt;
  bool knownGas = false;  // a gas the law knows

  const SupplyValues& Supply() {
    if (!supply) ReadSupply();
    return *supply;
  }
  bool KnownGas() { return Supply(), knownGas; }

 private:
  void ReadSupply();
};

class ModelPass {
 public:
  ModelPass(PassShared& shared, RunValues& v, bool trip);

  // Resets every unfixed size and sizes the runs from the largest load
  // down; a run that cannot be sized ends the pass.
  void Run();
  // The run's rounded segment drop at its size in this pass.
  double SegmentDrop(int i);

  bool failed = false;

 private:
  std::vector<int> SizingOrder();
  bool SizeRun(int x);
  RunTest Evaluate();
  bool Passes(double cum);
  bool PassesNow();
  void Refresh(int upTo);
  void WritePathPressures(int levels);
  void CheckPressureFields(int k);
  void Upsized();
  void Fail(int x, int restored);
  void SetSize(int i, int code);

  double DropAt(int i, int index);
  double ReferenceDrop(int i, int code);
  double ComputeReferenceDrop(int i, int code);
  bool ParentBigger(int n, int code, int parentCode);
  bool MayGrow(int n, int code, int parentCode);
  bool Coordinate(int n, int sizing);
  int ParentCode(int n) const;

  bool Search();
  bool Explore(int level);
  int Settle(int n, int code, int parentCode);
  bool StretchMayPass(int level);
  void JumpToStretchEnd(int level);
  double LeastDrop(int n, int reach);
  bool PathIsSearchable();
  enum { kDropsFall = 1, kDropsNeverNegative = 2 };
  int DropShape(int n);
  bool ReferenceDropsFall();

  template <typename BuildLine>
  void Trace(BuildLine&& line) const {
    if (shared_.trace && !quiet_) shared_.trace->Write(line());
  }
  const SupplyValues& Supply() { return shared_.Supply(); }
  std::string Description(int i) const;
  std::string RootDescription() const;
  std::string NodeReport(int x) const;

  PassShared& shared_;
  const CalcModel& m_;
  RunValues& v_;
  const bool trip_;
  std::vector<double> drops_;       // per run and size index, NAN: not yet
  std::vector<signed char> shape_;  // kDropsFall, kDropsNeverNegative; -1: not yet known
  double referenceDrops_[2][10];
  std::optional<bool> referenceSteady_;
  bool neverNegative_ = true;      // no run on the searched path drops less than nothing
  std::vector<int> level_;         // position on the path being sized, or -1
  std::vector<int> path_;          // from the run below the source down to the run sized
  std::vector<double> seg_, cum_;  // per level: the segment drop and the drop from the source
  int dirty_ = 0;
  bool lowSide_ = true;
  bool quiet_ = false;      // the search passes over states without tracing them
  int saved_ = kSizeEmpty;  // the sized run's size after the last upsizing
  bool upsized_ = false;
};

// The search asks these at every state it passes: defined here to be
// inlined there.

// The rounded drop of the reference run at a size, to compare capacities.
inline double ModelPass::ReferenceDrop(int i, int code) {
  const int material = i < 0 ? -1 : m_.material[i];
  if (!shared_.KnownGas() || material < 0) return 0;
  const int index = SizeIndexFor(code, material);
  if (index >= 0 && !std::isnan(referenceDrops_[material][index]))
    return referenceDrops_[material][index];
  return ComputeReferenceDrop(i, code);
}

inline bool ModelPass::ParentBigger(int n, int code, int parentCode) {
  const double parentDrop = ReferenceDrop(m_.parent[n], parentCode);
  return parentDrop < ReferenceDrop(n, code);
}

// Whether a run of a size may take the next size under a parent of a
// size: only while the parent is bigger, or cannot or must not change.
inline bool ModelPass::MayGrow(int n, int code, int parentCode) {
  const int material = m_.material[n];
  const int p = m_.parent[n];
  bool parentAtMax = true;
  if (p >= 0) parentAtMax = !InRange(SizeIndexFor(parentCode, m_.material[p]) + 1, m_.material[p]);
  const bool parentBigger = ParentBigger(n, code, parentCode);
  if (!InRange(SizeIndexFor(code, material) + 1, material) || m_.fixed[n]) return false;
  return parentBigger || p < 0 || parentAtMax || m_.fixed[p] || m_.kind[p] == RunKind::Regulator;
}

}  // namespace cv
