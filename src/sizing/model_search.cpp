// The search through the upsizing order of a run's path: whole stretches
// of the order that cannot pass are passed over to their last state.
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "sizing/model_pass.h"
#include "sizing/pressure_drop.h"
#include "sizing/tables.h"

namespace cv {

bool ModelPass::Search() {
  quiet_ = true;
  const bool passed = Explore(0);
  quiet_ = false;
  return passed;
}

// The search through the upsizing order. The order is a counter over the
// path's sizes whose lowest digit is the run being sized. Every state from
// here until the counter next changes a run above the level has each run
// from the level down at a size no larger than the largest it can reach,
// so its drop to the source is no smaller than the sum of each run's least
// drop up to that size: when that fails, the whole stretch fails and is
// passed over to its last state. Returns true at the first state that
// passes; false at the last state of the stretch, which fails.
bool ModelPass::Explore(int level) {
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

int ModelPass::ParentCode(int n) const {
  const int p = m_.parent[n];
  return p < 0 ? kSizeEmpty : v_.size[p];
}

// The size a run reaches growing from a size under a parent of a size.
int ModelPass::Settle(int n, int code, int parentCode) {
  while (MayGrow(n, code, parentCode))
    code = SizeCodeAt(SizeIndexFor(code, m_.material[n]) + 1, m_.material[n]);
  return code;
}

bool ModelPass::StretchMayPass(int level) {
  if (level > 0) Refresh(level - 1);
  double cum = level > 0 ? cum_[level - 1] : 0;
  int parentCode = ParentCode(path_[level]);
  for (int k = level; k < static_cast<int>(path_.size()); ++k) {
    const int n = path_[k];
    parentCode = Settle(n, v_.size[n], parentCode);
    const double dp = LeastDrop(n, parentCode);
    cum = k == 0 ? Round2(dp) : Round2(dp + cum);
    // Once the sum fails, the whole path does, unless a drop below is negative.
    if (neverNegative_ && !Passes(cum)) return false;
  }
  return Passes(cum);
}

// The least drop of a run at the sizes it may take in a stretch where it
// reaches the size `reach`: a run that grew restarts from its smallest.
double ModelPass::LeastDrop(int n, int reach) {
  const int material = m_.material[n];
  // The law gives a material or gas it does not know one drop at every size.
  if (material < 0 || !shared_.KnownGas()) return DropAt(n, 0);
  const int top = SizeIndexFor(reach, material);
  double least = DropAt(n, top);
  if (!(DropShape(n) & kDropsFall) && !m_.fixed[n])
    for (int index = 0; index < top; ++index) least = std::min(least, DropAt(n, index));
  return least;
}

// The last state of the stretch: each run grows as far as it can, and
// once one has grown the runs below it start again from their smallest.
void ModelPass::JumpToStretchEnd(int level) {
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

// Whether the search may pass over stretches of this path: a run may grow
// further under a bigger parent, and every run of a known material is at a
// size of it (any other fails on its first evaluation). A gas the law does
// not know drops nothing anywhere.
bool ModelPass::PathIsSearchable() {
  neverNegative_ = true;
  for (int n : path_) neverNegative_ = neverNegative_ && DropShape(n) & kDropsNeverNegative;
  if (!shared_.KnownGas()) return true;
  if (!referenceSteady_) referenceSteady_ = ReferenceDropsFall();
  if (!*referenceSteady_) return false;
  for (int n : path_)
    if (m_.material[n] >= 0 && SizeIndexFor(v_.size[n], m_.material[n]) < 0) return false;
  return true;
}

// What the run's drops do as it grows, worked out once per pass.
int ModelPass::DropShape(int n) {
  if (shape_[n] < 0) {
    const int material = m_.material[n];
    const int count = material < 0 || !shared_.KnownGas() ? 1 : kSizeCounts[material];
    int shape = kDropsFall | kDropsNeverNegative;
    double previous = INFINITY;
    for (int index = 0; index < count; ++index) {
      const double drop = DropAt(n, index);
      if (!(drop <= previous)) shape &= ~kDropsFall;
      if (!(drop >= 0)) shape &= ~kDropsNeverNegative;
      previous = drop;
    }
    shape_[n] = static_cast<signed char>(shape);
  }
  return shape_[n];
}

bool ModelPass::ReferenceDropsFall() {
  for (int material = 0; material < 2; ++material) {
    double previous = INFINITY;
    for (int index = 0; index < kSizeCounts[material]; ++index) {
      const std::string_view size = SizeCodeText(SizeCodeAt(index, material));
      const double drop =
          Round2(LawPressureDrop(500, 100, kMaterials[material], size, Supply().gasType));
      if (!(drop <= previous)) return false;
      previous = drop;
    }
  }
  return true;
}

}  // namespace cv
