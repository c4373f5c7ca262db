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
#include "sizing/pressure_drop.h"
#include "sizing/run_sizing.h"
#include "sizing/tables.h"

namespace cv {

namespace {

// Thrown where the calculation on the document would fail: the model gives
// the document back to it untouched.
struct ModelRefused {};

constexpr int kMaxSizesPerMaterial = 10;

int SizeIndexFor(int code, int material) {
  if (material == 0 && code >= 0 && code < kPipeSizeBase) return code;
  if (material == 1 && code >= kPipeSizeBase) return code - kPipeSizeBase;
  return -1;
}

bool InRange(int index, int material) {
  return material >= 0 && index >= 0 && index < SizeCount(kMaterials[material]);
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
        drops_(m.Count()),
        dropSlots_(m.Count(), -1),
        level_(m.Count(), -1),
        testBound_(SizingTestBound(static_cast<size_t>(m.Count()))) {}

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
      if (!SizeRun(node)) return;
    }
  }

  // The run's rounded segment drop at its size in this pass; each run keeps
  // the drop of the last size asked for.
  double SegmentDrop(int i) {
    const int material = m_.material[i];
    int slot = 0;
    if (m_.knownGas && material >= 0) {
      slot = SizeIndexFor(v_.size[i], material);
      if (slot < 0) throw ModelRefused{};
    }
    double& drop = drops_[i];
    if (dropSlots_[i] != slot) {
      dropSlots_[i] = slot;
      double dp = LawPressureDrop(v_.load[i], m_.length[i],
                                  material >= 0 ? kMaterials[material] : std::string_view("?"),
                                  SizeCodeText(v_.size[i]), m_.supply.gasType);
      if (const EFVParameters* efv = m_.efv[i])
        dp += trip_ ? efv->TripPresDrop : efv->NormalPresDrop;
      if (!std::isfinite(dp)) throw ModelRefused{};
      drop = Round2(dp);
    }
    return drop;
  }

  bool failed = false;

 private:
  // The ordering key of a run: its load rounded to a whole number; beyond
  // twelve digits the text key would order differently.
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

  // The cumulative drop from the source to the run being sized, recomputed
  // only from the highest run on its path whose size changed.
  RunTest Evaluate(bool lowSide) {
    const int last = static_cast<int>(path_.size()) - 1;
    for (int k = dirty_; k <= last; ++k) {
      const double dp = SegmentDrop(path_[k]);
      cum_[k] = k == 0 ? Round2(dp) : Round2(dp + cum_[k - 1]);
    }
    dirty_ = last + 1;
    ++tests_;
    return JudgeRun(cum_[last], m_.supply, lowSide, trip_);
  }

  bool SizeRun(int x) {
    if (!(m_.length[x] > 0) || !IsKnownMethod(m_.supply.method)) return true;
    // A fitting reached through an id it shares with a run keeps the
    // pressures of its sizing, which the last step does not rewrite.
    if (!trip_ && !IsApplianceOrRegulator(m_.kind[x])) throw ModelRefused{};
    const bool lowSide = !m_.supply.dual || m_.regulatorAbove[x];
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

    RunTest t = Evaluate(lowSide);
    int saved = kSizeEmpty;
    bool upsized = false;
    bool sized = true;
    while (Round2(t.limit) < Round2(t.value)) {
      const bool bounded = tests_ >= testBound_;
      if (bounded || !Coordinate(x, x)) {
        Fail(x, upsized ? saved : SmallestFallbackCode(m_.material[x]), bounded);
        sized = false;
        break;
      }
      saved = v_.size[x];
      upsized = true;
      t = Evaluate(lowSide);
    }
    for (int n : path_) level_[n] = -1;
    return sized;
  }

  void Fail(int x, int restored, bool bounded) {
    if (!m_.fixed[x]) SetSize(x, restored);
    failed = true;
    const int p = m_.parent[x];
    const std::string description = FieldText(m_.element[x], "description");
    const std::string parent = FieldText(p < 0 ? m_.root : m_.element[p], "description");
    failures_.push_back(
        {NodeId(m_.element[x]), bounded ? SizingBoundText(description, parent, testBound_)
                                        : SizingFailureText(description, parent)});
  }

  // Grows the run, or carries into its parent as the counter of the
  // upsizing does; false when nothing on the path may grow.
  bool Coordinate(int n, int sizing) {
    for (;;) {
      const int material = m_.material[n];
      const int i = SizeIndexFor(v_.size[n], material);
      const bool nodeFixed = m_.fixed[n];
      const int p = m_.parent[n];
      const bool parentIsSupply = p < 0;
      bool parentIsRegulator = false, parentFixed = false, parentAtMax = true;
      int parentCode = kSizeEmpty, parentMaterial = -1;
      if (!parentIsSupply) {
        parentIsRegulator = m_.kind[p] == RunKind::Regulator;
        parentFixed = m_.fixed[p];
        parentMaterial = m_.material[p];
        if (v_.size[p] == kSizeEmpty) SetSize(p, SmallestFallbackCode(parentMaterial));
        parentCode = v_.size[p];
        parentAtMax = !InRange(SizeIndexFor(parentCode, parentMaterial) + 1, parentMaterial);
      }
      const bool parentBigger =
          ReferenceDrop(parentCode, parentMaterial) < ReferenceDrop(v_.size[n], material);
      if (InRange(i + 1, material) && !nodeFixed &&
          (parentBigger || parentIsSupply || parentAtMax || parentFixed || parentIsRegulator)) {
        SetSize(n, SizeCodeAt(i + 1, material));
        return true;
      }
      if (parentIsSupply || parentIsRegulator) {
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
  std::vector<double> drops_;
  std::vector<signed char> dropSlots_;  // the size index of drops_, -1: none yet
  double referenceDrops_[2][kMaxSizesPerMaterial] = {
      {NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN},
      {NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN, NAN}};
  std::vector<int> level_;  // position on the path being sized, or -1
  std::vector<int> path_;   // from the run below the source down to the run sized
  std::vector<double> cum_;
  int dirty_ = 0;
  long tests_ = 0;
  const long testBound_;
};

// The loads summed into fittings and the root, children in document order.
void AccumulateModelLoads(CalcModel& m) {
  std::vector<double> total(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    double sum = 0;
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) sum += total[c];
    if (m.kind[i] == RunKind::Appliance) {
      sum += m.values.load[i];
    } else {
      m.loadSum[i] = sum;
      m.values.load[i] = StoredNumber(sum);
    }
    total[i] = sum;
  }
  m.rootLoadSum = 0;
  for (int c = m.firstTop; c >= 0; c = m.nextSibling[c]) m.rootLoadSum += total[c];
}

// The trip-flow loads: every leaf behind an EFV carries the EFV's trip
// flow, every inner run the largest trip flow below it.
void SetModelTripFlows(const CalcModel& m, const ProgramState& state, RunValues& trip) {
  std::vector<double> largest(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    double flow = 0;
    if (m.firstChild[i] < 0) {
      const int efv = m.upstreamEfv[i];
      if (efv < 0) continue;
      flow = GetEFVFlow(state.EFVCollection, m.efvModel[efv], "TRIP");
    } else {
      for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) flow = std::max(flow, largest[c]);
    }
    trip.load[i] = StoredNumber(flow);
    largest[i] = flow;
  }
}

// The high-pressure side's totals written into its tees and manifolds.
void TotalModelHighSide(const CalcModel& m, RunValues& trip) {
  std::vector<double> total(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    if (m.regulatorAbove[i]) continue;
    double sum = 0;
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c])
      if (!m.regulatorAbove[c]) sum += total[c];
    if (m.kind[i] == RunKind::Tee || m.kind[i] == RunKind::Manifold)
      trip.load[i] = StoredNumber(sum);
    else
      sum += trip.load[i];
    total[i] = sum;
  }
}

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
