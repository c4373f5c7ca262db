#include "sizing/model_pass.h"

#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "core/number_text.h"
#include "project/document.h"
#include "project/project_state.h"
#include "sizing/pressure_drop.h"
#include "sizing/run_limits.h"
#include "sizing/tables.h"

namespace cv {

namespace {

constexpr int kMaxSizesPerMaterial = 10;
// Most runs pass after a step or two: cheaper to visit than to search.
constexpr int kStepsBeforeSearch = 8;
// A traced run writes every state it visits, until a deep path makes that
// more than anyone reads; the search then takes over, with the same result.
constexpr int kTracedStepsBeforeSearch = 500'000;

// The smallest size of tubing, and of pipe for any other material.
int SmallestFallbackCode(int material) { return material == 0 ? 0 : kPipeSizeBase; }

std::string_view MaterialName(int material) {
  return material >= 0 ? kMaterials[material] : std::string_view("?");
}

// The ordering key as text: the load rounded to a whole number, padded with
// zeros to 12 characters, "|" and the id, without regard to case.
std::string TextKey(double load, const std::string& id) {
  std::string digits = FormatNumber(RoundHalfEven(load, 0));
  if (digits.size() < 12) digits.insert(0, 12 - digits.size(), '0');
  std::string key = digits + "|" + id;
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

}  // namespace

void PassShared::ReadSupply() {
  supply.emplace(ReadSupplyValues(m.root, IsDualSystem(m.root)));
  knownGas = supply->gasType == kNaturalGas || supply->gasType == kPropane;
}

ModelPass::ModelPass(PassShared& shared, RunValues& v, bool trip)
    : shared_(shared),
      m_(shared.m),
      v_(v),
      trip_(trip),
      drops_(static_cast<size_t>(m_.Count()) * kMaxSizesPerMaterial, NAN),
      shape_(m_.Count(), -1),
      level_(m_.Count(), -1) {
  for (auto& row : referenceDrops_) std::fill(std::begin(row), std::end(row), NAN);
}

// The runs in the order they are sized: by their keys from the largest
// down, equal keys in reverse document order.
std::vector<int> ModelPass::SizingOrder() {
  struct Key {
    double load;
    int idRank;
    int index;
  };
  std::vector<Key> keys;
  bool plain = true;
  for (int i = 0; i < m_.Count(); ++i) {
    if (!m_.hasId[i]) NodeId(m_.element[i]);  // fails as the document's walk does
    if (IsApplianceOrRegulator(m_.kind[i])) {
      const double rounded = RoundHalfEven(v_.load[i], 0);
      plain = plain && rounded >= 0 && rounded < 1e12;
      keys.push_back({rounded, m_.idRank[i], i});
    }
    if (!m_.fixed[i]) {
      m_.Need(i, kMaterial);
      m_.Need(i, kSize);
      SetSize(i, SizeCodeAt(0, m_.material[i]));
    }
  }
  if (plain) {
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
      return a.load != b.load ? a.load < b.load : a.idRank < b.idRank;
    });
  } else {
    // Beyond twelve digits the text keys order differently from the loads.
    std::vector<std::string> text(m_.Count());
    for (const Key& k : keys) text[k.index] = TextKey(v_.load[k.index], m_.id[k.index]);
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const Key& a, const Key& b) { return text[a.index] < text[b.index]; });
  }
  std::vector<int> order;
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) order.push_back(it->index);
  return order;
}

void ModelPass::Run() {
  if (shared_.trace) shared_.trace->RestartNumbering();
  for (int index : SizingOrder()) {
    const int node = m_.firstWithId[index];
    // The trip-flow pass sizes the runs behind an EFV and the high side.
    if (trip_ && m_.upstreamEfv[node] < 0 && m_.kind[node] != RunKind::Regulator &&
        m_.regulatorAbove[node])
      continue;
    if (failed)
      shared_.failures.back().notReached.push_back(m_.id[index]);
    else
      SizeRun(node);
  }
}

double ModelPass::SegmentDrop(int i) {
  int slot = 0;
  if (shared_.KnownGas() && m_.material[i] >= 0) {
    slot = SizeIndexFor(v_.size[i], m_.material[i]);
    if (slot < 0) {
      // A size of neither list fails by name.
      m_.Need(i, kMaterial);
      m_.Need(i, kSize);
      LawPressureDrop(v_.flow[i], m_.length[i], MaterialName(m_.material[i]),
                      m_.SizeText(i, v_.size[i]), shared_.Supply().gasType);
    }
  }
  return DropAt(i, slot);
}

// The run's rounded drop at the size of that index of its material (any
// index of a material or gas the law does not know).
double ModelPass::DropAt(int i, int index) {
  double& drop = drops_[static_cast<size_t>(i) * kMaxSizesPerMaterial + index];
  if (std::isnan(drop)) {
    m_.Need(i, kMaterial);
    m_.Need(i, kSize);
    const int material = m_.material[i];
    double dp =
        LawPressureDrop(v_.flow[i], m_.length[i], MaterialName(material),
                        SizeCodeText(SizeCodeAt(index, material)), shared_.Supply().gasType);
    if (m_.kind[i] == RunKind::EFV) {
      m_.Need(i, kModel);
      const EFVParameters* efv = m_.efv[i];
      if (!efv) efv = &shared_.catalog.Get(m_.Text(i, kModel));
      dp += trip_ ? efv->TripPresDrop : efv->NormalPresDrop;
    }
    drop = Round2(CheckedDrop(dp));
  }
  return drop;
}

void ModelPass::SetSize(int i, int code) {
  v_.size[i] = code;
  v_.sizeWritten[i] = 1;
  if (level_[i] >= 0) dirty_ = std::min(dirty_, level_[i]);
}

double ModelPass::ComputeReferenceDrop(int i, int code) {
  const int material = m_.material[i];
  const int index = SizeIndexFor(code, material);
  const std::string& gas = shared_.Supply().gasType;
  if (index < 0) return LawPressureDrop(500, 100, kMaterials[material], m_.SizeText(i, code), gas);
  return referenceDrops_[material][index] =
             Round2(LawPressureDrop(500, 100, kMaterials[material], SizeCodeText(code), gas));
}

// The cumulative drops of the path's runs from the source down to the
// level, recomputed only from the highest run whose size changed.
void ModelPass::Refresh(int upTo) {
  for (int k = dirty_; k <= upTo; ++k) {
    double dp = 0;
    try {
      dp = SegmentDrop(path_[k]);
    } catch (...) {
      WritePathPressures(k);
      throw;
    }
    seg_[k] = dp;
    cum_[k] = k == 0 ? Round2(dp) : Round2(dp + cum_[k - 1]);
    if (m_.anyMissing) CheckPressureFields(k);
  }
  dirty_ = std::max(dirty_, upTo + 1);
}

// Each evaluation rewrites the pressures of the whole path, so a run's
// sizing leaves those of its last evaluation: they are written once, from
// the drops that evaluation left. A drop fails only on the run's first
// evaluation, where it leaves the pressures of the runs above.
void ModelPass::WritePathPressures(int levels) {
  const SupplyValues& s = Supply();
  const bool belowSupply = m_.parent[path_[0]] < 0;
  const double base = s.dual && belowSupply ? s.pHigh : s.pLow;
  for (int k = 0; k < levels; ++k) {
    const double dp = seg_[k];
    std::array<double, 3>& p = v_.pressure[path_[k]];
    if (k == 0 && belowSupply)
      p = {Round2(base), Round2(dp), Round2(base - dp)};
    else if (k == 0)
      p = {s.pLow, dp, Round2(s.pLow - dp)};
    else
      p = {Round2(StoredNumber(v_.pressure[path_[k - 1]][2])), dp,
           Round2(base - (dp + cum_[k - 1]))};
    v_.pressuresWritten[path_[k]] = 3;
  }
}

// The walk writes a run's three pressures after its drop: a missing field
// stops it there.
void ModelPass::CheckPressureFields(int k) {
  const int n = path_[k];
  for (int f = 0; f < 3; ++f) {
    if (!m_.Lacks(n, static_cast<Field>(kSupply + f))) continue;
    const unsigned char before = v_.pressuresWritten[n];
    WritePathPressures(k + 1);
    v_.pressuresWritten[n] = static_cast<unsigned char>(std::max<int>(before, f));
    m_.RaiseMissing(n, static_cast<Field>(kSupply + f));
  }
}

bool ModelPass::Passes(double cum) {
  const RunTest t = JudgeRun(cum, Supply(), lowSide_, trip_);
  return !(Round2(t.limit) < Round2(t.value));
}

bool ModelPass::PassesNow() {
  const int last = static_cast<int>(path_.size()) - 1;
  Refresh(last);
  return Passes(cum_[last]);
}

RunTest ModelPass::Evaluate() {
  const int last = static_cast<int>(path_.size()) - 1;
  Refresh(last);
  return JudgeRun(cum_[last], Supply(), lowSide_, trip_);
}

bool ModelPass::SizeRun(int x) {
  const SupplyValues& s = Supply();
  m_.Need(x, kDescription);
  m_.Need(x, kSize);
  bool sized = true;
  if (m_.length[x] > 0 && IsKnownMethod(s.method)) {
    lowSide_ = !s.dual || m_.regulatorAbove[x];
    path_.clear();
    for (int cur = x;; cur = m_.parent[cur]) {
      path_.push_back(cur);
      const int p = m_.parent[cur];
      if (p < 0 || m_.kind[p] == RunKind::Regulator) break;
    }
    std::reverse(path_.begin(), path_.end());
    for (size_t k = 0; k < path_.size(); ++k) level_[path_[k]] = static_cast<int>(k);
    cum_.resize(path_.size());
    seg_.resize(path_.size());
    dirty_ = 0;
    saved_ = kSizeEmpty;
    upsized_ = false;
    const auto who = [&] { return "Node: " + Description(x); };

    RunTest t = Evaluate();
    Trace([&] { return who() + " - Initial pressure drop to source = " + FormatNumber(t.cum); });
    Trace([&] { return who() + " - Initial Delivery Pressure = " + FormatNumber(t.delivered); });
    // Visits the upsizing order state by state; a run that needs more
    // steps is searched, and the visiting goes on from wherever the search
    // stopped.
    const long search = shared_.visitEveryState ? -1
                        : shared_.trace         ? kTracedStepsBeforeSearch
                                                : kStepsBeforeSearch;
    for (long steps = 0; Round2(t.limit) < Round2(t.value); ++steps) {
      if (steps == search && PathIsSearchable()) {
        Trace([&] { return who() + " - Searching the rest of the upsizing order"; });
        if (Search()) {
          t = Evaluate();
          break;
        }
        t = Evaluate();  // the last state of the order
      }
      Trace([&] {
        return who() + " - Pressure drop to source too high (" + FormatNumber(Round2(t.value)) +
               " > " + FormatNumber(Round2(t.limit)) + ").  Upsizing nodes...";
      });
      if (!Coordinate(x, x)) {
        Fail(x, upsized_ ? saved_ : SmallestFallbackCode(m_.material[x]));
        sized = false;
        break;
      }
      Upsized();
      Trace([&] {
        return who() +
               " - Upsize finished.  New node material size = " + m_.SizeText(x, v_.size[x]);
      });
      t = Evaluate();
      Trace([&] { return who() + " - New pressure drop to source = " + FormatNumber(t.cum); });
      Trace([&] { return who() + " - New Delivery Pressure = " + FormatNumber(t.delivered); });
    }
    for (int n : path_) level_[n] = -1;
    WritePathPressures(static_cast<int>(path_.size()));
    if (!sized) return false;
    Trace([&] {
      return who() + " - Finished with valid pressure drop to source = " + FormatNumber(t.cum);
    });
    Trace([&] {
      return who() + " - Finished with valid Delivery Pressure = " + FormatNumber(t.delivered);
    });
  }
  Trace([&] { return NodeReport(x); });
  return true;
}

void ModelPass::Upsized() {
  saved_ = v_.size[path_.back()];
  upsized_ = true;
}

void ModelPass::Fail(int x, int restored) {
  if (!m_.fixed[x]) SetSize(x, restored);
  failed = true;
  const int p = m_.parent[x];
  const std::string parent = p < 0 ? RootDescription() : Description(p);
  shared_.failures.push_back({m_.id[x], SizingFailureText(Description(x), parent)});
}

// Grows the run, or carries into its parent as the counter of the
// upsizing does; false when nothing on the path may grow.
bool ModelPass::Coordinate(int n, int sizing) {
  for (;;) {
    const int p = m_.parent[n];
    m_.Need(n, kDescription);
    m_.Need(n, kMaterial);
    m_.Need(n, kSize);
    if (p < 0 && !m_.fields.rootDescription) FieldText(m_.root, "description");
    if (p >= 0) {
      m_.Need(p, kDescription);
      m_.Need(p, kAppliance);
      m_.Need(p, kMaterial);
      m_.Need(p, kSize);
      if (v_.size[p] == kSizeEmpty) SetSize(p, SmallestFallbackCode(m_.material[p]));
    }
    const int material = m_.material[n];
    const int size = v_.size[n];
    const auto who = [&] {
      return "Node: " + Description(n) +
             " | Parent: " + (p < 0 ? RootDescription() : Description(p));
    };
    Trace([&] {
      return who() + " - Parent size = " + (p < 0 ? "" : m_.SizeText(p, v_.size[p])) +
             " / Node size = " + m_.SizeText(n, size) +
             " Parent bigger = " + (ParentBigger(n, size, ParentCode(n)) ? "True" : "False");
    });
    if (MayGrow(n, size, ParentCode(n))) {
      Trace([&] {
        return who() +
               " - Either parent device is the gas supply, a regulator, has a higher capacity, "
               "or has a fixed size. Increasing the current node's size from " +
               m_.SizeText(n, size);
      });
      SetSize(n, SizeCodeAt(SizeIndexFor(size, material) + 1, material));
      return true;
    }
    const bool nodeFixed = m_.fixed[n];
    if (p < 0 || m_.kind[p] == RunKind::Regulator) {
      Trace([&] {
        return who() +
               " - ERROR!! Both the current node's size and parent node's size are at maximum, "
               "or one is maxed and one is a fixed size... Erroring out program!!";
      });
      // An ancestor reached by a carry keeps the size it has; only the run
      // being sized is emptied, and its sizing puts a valid size back.
      if (!nodeFixed && n == sizing) SetSize(n, kSizeEmpty);
      return false;
    }
    Trace([&] {
      return who() +
             " - The current node's size is at maximum Increasing the parent node's size from " +
             m_.SizeText(p, v_.size[p]) + " and setting current node's size to the minimum";
    });
    if (!nodeFixed) SetSize(n, SizeCodeAt(0, material));
    n = p;
  }
}

std::string ModelPass::RootDescription() const { return FieldText(m_.root, "description"); }

std::string ModelPass::Description(int i) const {
  m_.Need(i, kDescription);
  return std::string(m_.Text(i, kDescription));
}

std::string ModelPass::NodeReport(int x) const {
  const int p = m_.parent[x];
  const char* const pass = trip_ ? "Trip" : "Normal";
  std::string report = "Current Node: " + std::string(m_.Text(x, kAppliance)) + "\r\n";
  if (p >= 0) m_.Need(p, kAppliance);
  report += p < 0 ? std::string("Parent Node: Gas Supply ")
                  : "Parent Node: " + std::string(m_.Text(p, kAppliance));
  const char* const captions[3] = {
      "\r\nSupply Pressure: ", "\r\nPressureDrop: ", "\r\nDeliveryPressure: "};
  for (int f = 0; f < 3; ++f) {
    m_.Need(x, static_cast<Field>(kSupply + f));
    report += captions[f] + (v_.pressuresWritten[x] > f
                                 ? FormatNumber(v_.pressure[x][f])
                                 : std::string(m_.Text(x, static_cast<Field>(kSupply + f))));
  }
  m_.Need(x, kLoad);
  report += std::string("\r\n") + pass + " Load at This Node: " +
            (v_.loadWritten[x] ? FormatNumber(v_.load[x]) : std::string(m_.Text(x, kLoad)));
  report += "\r\nLength: " + std::string(m_.Text(x, kLength));
  m_.Need(x, kMaterial);
  report += "\r\nMaterial: " + std::string(m_.Text(x, kMaterial));
  m_.Need(x, kSize);
  report += std::string("\r\n") + pass + " MaterialSize: " + m_.SizeText(x, v_.size[x]);
  return report;
}

}  // namespace cv
