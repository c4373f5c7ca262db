#include "sizing/model_sizing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/calc_model.h"
#include "sizing/model_loads.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_sizing.h"
#include "sizing/tables.h"

namespace cv {

namespace {

// Thrown where the calculation on the document would fail: the model gives
// the document back to it untouched.
struct ModelRefused {};

constexpr int kMaxSizesPerMaterial = 10;
// Most runs pass after a step or two: cheaper to visit than to search.
constexpr int kStepsBeforeSearch = 8;

int SizeIndexFor(int code, int material) {
  if (material == 0 && code >= 0 && code < kPipeSizeBase) return code;
  if (material == 1 && code >= kPipeSizeBase) return code - kPipeSizeBase;
  return -1;
}

// The number of sizes of tubing and of pipe.
constexpr int kSizeCounts[2] = {static_cast<int>(kCsstSizes.size()),
                                static_cast<int>(kPipeSizes.size())};

bool InRange(int index, int material) {
  return material >= 0 && index >= 0 && index < kSizeCounts[material];
}

int SizeCodeAt(int index, int material) {
  if (material < 0) return kSizeEmpty;  // SizeNameAt of any other material
  return material == 0 ? index : kPipeSizeBase + index;
}

int SmallestFallbackCode(int material) { return material == 0 ? 0 : kPipeSizeBase; }

bool IsApplianceOrRegulator(RunKind kind) {
  return kind == RunKind::Appliance || kind == RunKind::Regulator;
}

// One sizing pass on the project's values or on the trip-flow copy.
class ModelPass {
 public:
  ModelPass(CalcModel& m, RunValues& v, bool trip,
            std::vector<ProgramState::SizingFailure>& failures)
      : m_(m),
        v_(v),
        trip_(trip),
        failures_(failures),
        drops_(static_cast<size_t>(m.Count()) * kMaxSizesPerMaterial, NAN),
        steady_(m.Count(), -1),
        level_(m.Count(), -1) {}

  // Resets every unfixed size and sizes the runs from the largest load
  // down; a run that cannot be sized ends the pass.
  void Run() {
    struct Key {
      double load;
      int idRank;
      int index;
    };
    std::vector<Key> keys;
    for (int i = 0; i < m_.Count(); ++i) {
      if (IsApplianceOrRegulator(m_.kind[i])) keys.push_back({LoadKey(i), m_.idRank[i], i});
      if (!m_.fixed[i]) SetSize(i, SizeCodeAt(0, m_.material[i]));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
      return a.load != b.load ? a.load < b.load : a.idRank < b.idRank;
    });
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
      const int node = m_.firstWithId[it->index];
      // The trip-flow pass sizes the runs behind an EFV and the high side.
      if (trip_ && m_.upstreamEfv[node] < 0 && m_.kind[node] != RunKind::Regulator &&
          m_.regulatorAbove[node])
        continue;
      if (failed)
        failures_.back().notReached.push_back(m_.id[it->index]);
      else
        SizeRun(node);
    }
  }

  // The run's rounded segment drop at its size in this pass.
  double SegmentDrop(int i) {
    int slot = 0;
    if (m_.knownGas && m_.material[i] >= 0) {
      slot = SizeIndexFor(v_.size[i], m_.material[i]);
      if (slot < 0) throw ModelRefused{};
    }
    return DropAt(i, slot);
  }

  bool failed = false;

 private:
  // The run's rounded drop at the size of that index of its material (any
  // index of a material or gas the law does not know).
  double DropAt(int i, int index) {
    double& drop = drops_[static_cast<size_t>(i) * kMaxSizesPerMaterial + index];
    if (std::isnan(drop)) {
      const int material = m_.material[i];
      double dp = LawPressureDrop(v_.flow[i], m_.length[i],
                                  material >= 0 ? kMaterials[material] : std::string_view("?"),
                                  SizeCodeText(SizeCodeAt(index, material)), m_.supply.gasType);
      if (const EFVParameters* efv = m_.efv[i])
        dp += trip_ ? efv->TripPresDrop : efv->NormalPresDrop;
      if (!std::isfinite(dp)) throw ModelRefused{};
      drop = Round2(dp);
    }
    return drop;
  }

  // The ordering key of a run: its typed load rounded to a whole number;
  // beyond twelve digits the text key would order differently.
  double LoadKey(int i) const {
    const double rounded = RoundHalfEven(v_.load[i], 0);
    if (!(rounded >= 0 && rounded < 1e12)) throw ModelRefused{};
    return rounded;
  }

  void SetSize(int i, int code) {
    v_.size[i] = code;
    v_.sizeWritten[i] = 1;
    if (level_[i] >= 0) dirty_ = std::min(dirty_, level_[i]);
  }

  // The rounded drop of the reference run at a size, to compare capacities.
  double ReferenceDrop(int code, int material) {
    if (!m_.knownGas || material < 0) return 0;
    const int index = SizeIndexFor(code, material);
    if (index < 0) throw ModelRefused{};
    double& drop = referenceDrops_[material][index];
    if (std::isnan(drop))
      drop = Round2(
          LawPressureDrop(500, 100, kMaterials[material], SizeCodeText(code), m_.supply.gasType));
    return drop;
  }

  // The cumulative drops of the path's runs from the source down to the
  // level, recomputed only from the highest run whose size changed.
  void Refresh(int upTo) {
    for (int k = dirty_; k <= upTo; ++k) {
      const double dp = SegmentDrop(path_[k]);
      cum_[k] = k == 0 ? Round2(dp) : Round2(dp + cum_[k - 1]);
    }
    dirty_ = std::max(dirty_, upTo + 1);
  }

  bool Passes(double cum) const {
    const RunTest t = JudgeRun(cum, m_.supply, lowSide_, trip_);
    return !(Round2(t.limit) < Round2(t.value));
  }

  bool PassesNow() {
    const int last = static_cast<int>(path_.size()) - 1;
    Refresh(last);
    return Passes(cum_[last]);
  }

  bool SizeRun(int x) {
    if (!(m_.length[x] > 0) || !IsKnownMethod(m_.supply.method)) return true;
    // A fitting reached through an id it shares with a run keeps the
    // pressures of its sizing, which the last step does not rewrite.
    if (!trip_ && !IsApplianceOrRegulator(m_.kind[x])) throw ModelRefused{};
    lowSide_ = !m_.supply.dual || m_.regulatorAbove[x];
    path_.clear();
    for (int cur = x;; cur = m_.parent[cur]) {
      path_.push_back(cur);
      const int p = m_.parent[cur];
      if (p < 0 || m_.kind[p] == RunKind::Regulator) break;
    }
    std::reverse(path_.begin(), path_.end());
    for (size_t k = 0; k < path_.size(); ++k) level_[path_[k]] = static_cast<int>(k);
    cum_.resize(path_.size());
    dirty_ = 0;
    saved_ = kSizeEmpty;
    upsized_ = false;

    // Visits the upsizing order state by state; a run that needs more than
    // a few steps is searched, where drops fall as sizes grow, and the
    // visiting goes on from wherever the search stopped.
    bool sized = true;
    for (int steps = 0; !PassesNow(); ++steps) {
      if (steps == kStepsBeforeSearch && PathIsSteady() && Explore(0)) break;
      if (!Coordinate(x, x)) {
        Fail(x, upsized_ ? saved_ : SmallestFallbackCode(m_.material[x]));
        sized = false;
        break;
      }
      Upsized();
    }
    for (int n : path_) level_[n] = -1;
    return sized;
  }

  void Upsized() {
    saved_ = v_.size[path_.back()];
    upsized_ = true;
  }

  // The search through the upsizing order. The order is a counter over the
  // path's sizes whose lowest digit is the run being sized, and the drop to
  // the source only falls as a size on the path grows. So every state from
  // here until the counter next changes a run above the level has a drop
  // no smaller than the drop with each run from the level down at the
  // largest size it can reach: when that fails, the whole stretch fails
  // and is passed over to its last state. Returns true at the first state
  // that passes; false at the last state of the stretch, which fails.
  bool Explore(int level) {
    const int last = static_cast<int>(path_.size()) - 1;
    if (level > last) return PassesNow();
    if (!StretchMayPass(level)) {
      JumpToStretchEnd(level);
      return false;
    }
    const int n = path_[level];
    for (;;) {
      if (Explore(level + 1)) return true;
      if (!MayGrow(n, v_.size[n], ParentCode(n))) return false;
      Coordinate(path_.back(), path_.back());  // carries up to this level
      Upsized();
    }
  }

  int ParentCode(int n) const {
    const int p = m_.parent[n];
    return p < 0 ? kSizeEmpty : v_.size[p];
  }

  // The size a run reaches growing from a size under a parent of a size.
  int Settle(int n, int code, int parentCode) {
    while (MayGrow(n, code, parentCode))
      code = SizeCodeAt(SizeIndexFor(code, m_.material[n]) + 1, m_.material[n]);
    return code;
  }

  bool StretchMayPass(int level) {
    if (level > 0) Refresh(level - 1);
    double cum = level > 0 ? cum_[level - 1] : 0;
    int parentCode = ParentCode(path_[level]);
    for (int k = level; k < static_cast<int>(path_.size()); ++k) {
      const int n = path_[k];
      parentCode = Settle(n, v_.size[n], parentCode);
      const double dp = DropAt(n, SizeIndexFor(parentCode, m_.material[n]));
      cum = k == 0 ? Round2(dp) : Round2(dp + cum);
      // Drops are never negative: once the sum fails, the whole path does.
      if (!Passes(cum)) return false;
    }
    return true;
  }

  // The last state of the stretch: each run grows as far as it can, and
  // once one has grown the runs below it start again from their smallest.
  void JumpToStretchEnd(int level) {
    bool restarted = false;
    int parentCode = ParentCode(path_[level]);
    for (int k = level; k < static_cast<int>(path_.size()); ++k) {
      const int n = path_[k];
      const int start = restarted && !m_.fixed[n] ? SizeCodeAt(0, m_.material[n]) : v_.size[n];
      const int end = Settle(n, start, parentCode);
      restarted = restarted || end != start;
      if (end != v_.size[n]) SetSize(n, end);
      parentCode = end;
    }
    if (restarted) Upsized();
  }

  // Whether the search may pass over stretches of this path: every run of
  // a known material at a size of it, its drop falling as its size grows.
  bool PathIsSteady() {
    if (!referenceSteady_) return false;
    for (int n : path_) {
      if (steady_[n] < 0) steady_[n] = DropsFall(n);
      if (!steady_[n] || SizeIndexFor(v_.size[n], m_.material[n]) < 0) return false;
    }
    return true;
  }

  bool DropsFall(int n) {
    const int material = m_.material[n];
    if (material < 0) return false;
    double previous = INFINITY;
    for (int index = 0; index < kSizeCounts[material]; ++index) {
      const double drop = DropAt(n, index);
      if (!(drop >= 0 && drop <= previous)) return false;
      previous = drop;
    }
    return true;
  }

  bool ReferenceDropsFall() {
    for (int material = 0; material < 2; ++material) {
      double previous = INFINITY;
      for (int index = 0; index < kSizeCounts[material]; ++index) {
        const double drop = ReferenceDrop(SizeCodeAt(index, material), material);
        if (!(drop <= previous)) return false;
        previous = drop;
      }
    }
    return true;
  }

  void Fail(int x, int restored) {
    if (!m_.fixed[x]) SetSize(x, restored);
    failed = true;
    const int p = m_.parent[x];
    const std::string description = FieldText(m_.element[x], "description");
    const std::string parent = FieldText(p < 0 ? m_.root : m_.element[p], "description");
    failures_.push_back({NodeId(m_.element[x]), SizingFailureText(description, parent)});
  }

  // Whether a run of a size may take the next size under a parent of a
  // size: only while the parent is bigger, or cannot or must not change.
  bool MayGrow(int n, int code, int parentCode) {
    const int material = m_.material[n];
    const int p = m_.parent[n];
    bool parentAtMax = true;
    int parentMaterial = -1;
    if (p >= 0) {
      parentMaterial = m_.material[p];
      parentAtMax = !InRange(SizeIndexFor(parentCode, parentMaterial) + 1, parentMaterial);
    }
    const bool parentBigger =
        ReferenceDrop(parentCode, parentMaterial) < ReferenceDrop(code, material);
    if (!InRange(SizeIndexFor(code, material) + 1, material) || m_.fixed[n]) return false;
    return parentBigger || p < 0 || parentAtMax || m_.fixed[p] || m_.kind[p] == RunKind::Regulator;
  }

  // Grows the run, or carries into its parent as the counter of the
  // upsizing does; false when nothing on the path may grow.
  bool Coordinate(int n, int sizing) {
    for (;;) {
      const int p = m_.parent[n];
      if (p >= 0 && v_.size[p] == kSizeEmpty) SetSize(p, SmallestFallbackCode(m_.material[p]));
      const int material = m_.material[n];
      if (MayGrow(n, v_.size[n], ParentCode(n))) {
        SetSize(n, SizeCodeAt(SizeIndexFor(v_.size[n], material) + 1, material));
        return true;
      }
      const bool nodeFixed = m_.fixed[n];
      if (p < 0 || m_.kind[p] == RunKind::Regulator) {
        if (!nodeFixed && n == sizing) SetSize(n, kSizeEmpty);
        return false;
      }
      if (!nodeFixed) SetSize(n, SizeCodeAt(0, material));
      n = p;
    }
  }

  CalcModel& m_;
  RunValues& v_;
  const bool trip_;
  std::vector<ProgramState::SizingFailure>& failures_;
  std::vector<double> drops_;        // per run and size index, NAN: not yet
  std::vector<signed char> steady_;  // the run's drops fall as it grows; -1: not yet known
  double referenceDrops_[2][kMaxSizesPerMaterial] = {
      {NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN},
      {NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN}};
  const bool referenceSteady_ = ReferenceDropsFall();
  std::vector<int> level_;  // position on the path being sized, or -1
  std::vector<int> path_;   // from the run below the source down to the run sized
  std::vector<double> cum_;
  int dirty_ = 0;
  bool lowSide_ = true;
  int saved_ = kSizeEmpty;  // the sized run's size after the last upsizing
  bool upsized_ = false;
};

// Keeps the larger of the normal-pass and trip-pass size of every run.
void MergeTripSizes(CalcModel& m, const RunValues& trip) {
  for (int i = 0; i < m.Count(); ++i) {
    const int material = m.material[i];
    if (material < 0) continue;
    const int normal = SizeIndexFor(m.values.size[i], material);
    const int tripIndex = SizeIndexFor(trip.size[i], material);
    const int final = normal > tripIndex ? normal : tripIndex;
    if (final < 0) throw ModelRefused{};
    m.values.size[i] = SizeCodeAt(final, material);
    m.values.sizeWritten[i] = 1;
  }
}

// The pressures of every run on a path from a source to an appliance or a
// regulator, on the final sizes: the walk from each of them gives each run
// the same values, so one pass down the tree gives them all.
void ComputeModelPressures(CalcModel& m, ModelPass& normal) {
  const int n = m.Count();
  m.hasPressures.assign(n, 0);
  for (int i = n - 1; i >= 0; --i)
    if (IsApplianceOrRegulator(m.kind[i]) || m.hasPressures[i]) {
      m.hasPressures[i] = 1;
      if (m.parent[i] >= 0) m.hasPressures[m.parent[i]] = 1;
    }
  m.supplyPressure.assign(n, 0);
  m.pressureDrop.assign(n, 0);
  m.deliveredPressure.assign(n, 0);
  std::vector<double> cum(n);
  const SupplyValues& s = m.supply;
  for (int i = 0; i < n; ++i) {
    if (!m.hasPressures[i]) continue;
    const double dp = normal.SegmentDrop(i);
    const int p = m.parent[i];
    if (p < 0) {
      const double base = s.dual ? s.pHigh : s.pLow;
      m.supplyPressure[i] = Round2(base);
      m.pressureDrop[i] = Round2(dp);
      m.deliveredPressure[i] = Round2(base - dp);
      cum[i] = Round2(dp);
    } else if (m.kind[p] == RunKind::Regulator) {
      m.supplyPressure[i] = s.pLow;
      m.pressureDrop[i] = dp;
      m.deliveredPressure[i] = Round2(s.pLow - dp);
      cum[i] = Round2(dp);
    } else {
      const double base = s.dual && !m.regulatorAbove[i] ? s.pHigh : s.pLow;
      m.supplyPressure[i] = Round2(StoredNumber(m.deliveredPressure[p]));
      m.pressureDrop[i] = dp;
      m.deliveredPressure[i] = Round2(base - (dp + cum[p]));
      cum[i] = Round2(dp + cum[p]);
    }
  }
}

}  // namespace

bool CalculateOnModel(pugi::xml_document& project, ProgramState& state) {
  try {
    state.TripFlowPass = false;
    state.Log.Restart(false, state.ProjectPath);
    std::optional<CalcModel> model = ReadCalcModel(project, state);
    if (!model) return false;
    CalcModel& m = *model;
    std::vector<ProgramState::SizingFailure> failures;
    AccumulateModelLoads(m);
    ModelPass normal(m, m.values, false, failures);
    normal.Run();
    bool failed = normal.failed;
    if (DocumentHasEFV(project)) {
      RunValues trip = m.values;
      SetModelTripFlows(m, state, trip);
      if (IsDualSystem(ProjectRoot(project))) TotalModelHighSide(m, trip);
      trip.flow = trip.load;  // the trip-flow pass sizes for its trip flows
      ModelPass tripPass(m, trip, true, failures);
      tripPass.Run();
      failed = failed || tripPass.failed;
      MergeTripSizes(m, trip);
    }
    ComputeModelPressures(m, normal);
    WriteCalcModel(m);
    state.TripDocument.reset();
    state.LastSizingFailed = failed;
    state.SizingFailures = failures;
    if (state.Messages)
      for (const auto& failure : failures)
        state.Messages->Show(SizingFailureMessage(failure.message));
    return true;
  } catch (const ModelRefused&) {
    return false;
  } catch (const CvError&) {
    return false;
  }
}

}  // namespace cv
