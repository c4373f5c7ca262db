#include "sizing/model_loads.h"

#include <algorithm>
#include <vector>

#include "efv/efv_catalog.h"

namespace cv {

// The loads summed into fittings and the root, children in document order,
// and the flow each run carries: an appliance's own load and everything
// below it.
void AccumulateModelLoads(CalcModel& m) {
  std::vector<double> total(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    double sum = 0;
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) sum += total[c];
    if (m.kind[i] == RunKind::Appliance) {
      sum += m.values.load[i];
      m.values.flow[i] = sum;
    } else {
      m.loadSum[i] = sum;
      m.values.load[i] = StoredNumber(sum);
      m.values.flow[i] = m.values.load[i];
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

}  // namespace cv
