#include "reports/tidy_tree.h"

#include <algorithm>
#include <limits>

namespace cv {

namespace {

struct Work {
  int parent = -1;
  int firstChild = -1;
  int lastChild = -1;
  int previous = -1;  // the left sibling
  int next = -1;      // the right sibling
  int number = 0;     // position among the siblings
  int thread = -1;
  int ancestor = 0;
  double prelim = 0;
  double mod = 0;
  double change = 0;
  double shift = 0;
};

class TidyTree {
 public:
  TidyTree(const std::vector<TidyNode>& nodes, double gap) : nodes_(nodes), gap_(gap) {
    work_.resize(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
      Work& w = work_[i];
      w.ancestor = static_cast<int>(i);
      w.parent = nodes[i].parent;
      if (w.parent < 0) continue;
      Work& p = work_[w.parent];
      if (p.lastChild >= 0) {
        w.previous = p.lastChild;
        work_[p.lastChild].next = static_cast<int>(i);
        w.number = work_[p.lastChild].number + 1;
      } else {
        p.firstChild = static_cast<int>(i);
      }
      p.lastChild = static_cast<int>(i);
    }
  }

  std::vector<double> Centres() {
    // Children come after their parent in pre-order, so a walk backwards
    // meets every subtree complete before its parent.
    for (int v = static_cast<int>(work_.size()) - 1; v >= 0; --v)
      if (work_[v].firstChild >= 0) PlaceChildren(v);
    work_[0].prelim = Midpoint(0);
    return Positions();
  }

 private:
  double Separation(int left, int right) const {
    return nodes_[left].rightExtent + nodes_[right].leftExtent + gap_;
  }
  double Midpoint(int v) const {
    const Work& w = work_[v];
    return w.firstChild < 0 ? 0 : (work_[w.firstChild].prelim + work_[w.lastChild].prelim) / 2;
  }
  int NextLeft(int v) const {
    return work_[v].firstChild >= 0 ? work_[v].firstChild : work_[v].thread;
  }
  int NextRight(int v) const {
    return work_[v].lastChild >= 0 ? work_[v].lastChild : work_[v].thread;
  }

  // Puts the children of v side by side, each subtree as far left as the
  // ones before it allow, then spreads the shifts onto the smaller subtrees
  // between.
  void PlaceChildren(int v) {
    int defaultAncestor = work_[v].firstChild;
    for (int c = work_[v].firstChild; c >= 0; c = work_[c].next) {
      Work& w = work_[c];
      const double midpoint = Midpoint(c);
      if (w.previous >= 0) {
        w.prelim = work_[w.previous].prelim + Separation(w.previous, c);
        w.mod = w.prelim - midpoint;
      } else {
        w.prelim = midpoint;
      }
      defaultAncestor = Apportion(c, defaultAncestor);
    }
    ExecuteShifts(v);
  }

  int Apportion(int v, int defaultAncestor) {
    const int left = work_[v].previous;
    if (left < 0) return defaultAncestor;
    int vip = v, vop = v, vim = left, vom = work_[work_[v].parent].firstChild;
    double sip = work_[vip].mod, sop = work_[vop].mod, sim = work_[vim].mod, som = work_[vom].mod;
    while (NextRight(vim) >= 0 && NextLeft(vip) >= 0) {
      vim = NextRight(vim);
      vip = NextLeft(vip);
      vom = NextLeft(vom);
      vop = NextRight(vop);
      work_[vop].ancestor = v;
      const double shift =
          (work_[vim].prelim + sim) - (work_[vip].prelim + sip) + Separation(vim, vip);
      if (shift > 0) {
        MoveSubtree(Ancestor(vim, v, defaultAncestor), v, shift);
        sip += shift;
        sop += shift;
      }
      sim += work_[vim].mod;
      sip += work_[vip].mod;
      som += work_[vom].mod;
      sop += work_[vop].mod;
    }
    if (NextRight(vim) >= 0 && NextRight(vop) < 0) {
      work_[vop].thread = NextRight(vim);
      work_[vop].mod += sim - sop;
    }
    if (NextLeft(vip) >= 0 && NextLeft(vom) < 0) {
      work_[vom].thread = NextLeft(vip);
      work_[vom].mod += sip - som;
      defaultAncestor = v;
    }
    return defaultAncestor;
  }

  int Ancestor(int vim, int v, int defaultAncestor) const {
    const int a = work_[vim].ancestor;
    return work_[a].parent == work_[v].parent ? a : defaultAncestor;
  }

  void MoveSubtree(int wm, int wp, double shift) {
    const double subtrees = work_[wp].number - work_[wm].number;
    work_[wp].change -= shift / subtrees;
    work_[wp].shift += shift;
    work_[wm].change += shift / subtrees;
    work_[wp].prelim += shift;
    work_[wp].mod += shift;
  }

  void ExecuteShifts(int v) {
    double shift = 0, change = 0;
    for (int c = work_[v].lastChild; c >= 0; c = work_[c].previous) {
      work_[c].prelim += shift;
      work_[c].mod += shift;
      change += work_[c].change;
      shift += work_[c].shift + change;
    }
  }

  // Final positions: each node's preliminary place plus the moves of its
  // ancestors, then the whole drawing moved to start at 0.
  std::vector<double> Positions() const {
    std::vector<double> modSum(work_.size(), 0), x(work_.size(), 0);
    double leftmost = std::numeric_limits<double>::infinity();
    for (size_t v = 0; v < work_.size(); ++v) {
      const int p = work_[v].parent;
      if (p >= 0) modSum[v] = modSum[p] + work_[p].mod;
      x[v] = work_[v].prelim + modSum[v];
      leftmost = std::min(leftmost, x[v] - nodes_[v].leftExtent);
    }
    for (double& value : x) value -= leftmost;
    return x;
  }

  const std::vector<TidyNode>& nodes_;
  const double gap_;
  std::vector<Work> work_;
};

}  // namespace

std::vector<double> TidyTreeCentres(const std::vector<TidyNode>& nodes, double gap) {
  if (nodes.empty()) return {};
  TidyTree tree(nodes, gap);
  return tree.Centres();
}

}  // namespace cv
