#include "sizing/model_loads.h"

#include <algorithm>
#include <vector>

#include "core/errors.h"
#include "efv/efv_catalog.h"

namespace cv {

void AccumulateModelLoads(CalcModel& m) {
  RunValues& v = m.values;
  std::vector<double> total(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    double sum = 0;
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) sum += total[c];
    if (m.kind[i] == RunKind::Appliance) {
      sum += v.load[i];
      v.flow[i] = sum;
    } else {
      v.load[i] = StoredNumber(sum);
      v.flow[i] = v.load[i];
      v.loadWritten[i] = 1;
    }
    total[i] = sum;
  }
  v.rootLoad = 0;
  for (int c = m.firstTop; c >= 0; c = m.nextSibling[c]) v.rootLoad += total[c];
  v.rootLoadWritten = true;
}

void CheckLoadFields(const CalcModel& m) {
  if (!m.anyMissing && m.fields.rootLoad) return;
  // The totals are written children first: a fitting without a load field
  // fails once those before it are written.
  std::vector<int> order;
  std::vector<int> stack;
  for (int c = m.firstTop; c >= 0; c = m.nextSibling[c]) stack.push_back(c);
  std::reverse(stack.begin(), stack.end());
  std::vector<unsigned char> expanded(m.Count(), 0);
  while (!stack.empty()) {
    const int i = stack.back();
    if (expanded[i]) {
      stack.pop_back();
      if (m.kind[i] != RunKind::Appliance && m.Lacks(i, kLoad)) {
        RunValues written = m.values;
        written.loadWritten.assign(m.Count(), 0);
        written.rootLoadWritten = false;
        for (int k : order) written.loadWritten[k] = 1;
        WriteRunValues(m, written, m.fields);
        m.Need(i, kLoad);
      }
      if (m.kind[i] != RunKind::Appliance) order.push_back(i);
      continue;
    }
    expanded[i] = 1;
    const size_t mark = stack.size();
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) stack.push_back(c);
    std::reverse(stack.begin() + static_cast<long>(mark), stack.end());
  }
  if (!m.fields.rootLoad) {
    RunValues written = m.values;
    written.rootLoadWritten = false;
    WriteRunValues(m, written, m.fields);
    Raise(kErrMissingElement, "missing element load");
  }
}

void SetModelTripFlows(const CalcModel& m, const EFVCatalog& catalog, RunValues& trip) {
  // A leaf behind an EFV of a missing or unknown model fails in document
  // order, as the walk from the root meets it.
  for (int i = 0; i < m.Count(); ++i) {
    const int efv = m.upstreamEfv[i];
    if (m.firstChild[i] >= 0 || efv < 0 || m.efv[efv]) continue;
    m.Need(efv, kModel);
    GetEFVFlow(catalog, m.Text(efv, kModel), "TRIP");
  }
  std::vector<double> largest(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    double flow = 0;
    if (m.firstChild[i] < 0) {
      const int efv = m.upstreamEfv[i];
      if (efv < 0) continue;
      flow = GetEFVFlow(catalog, m.Text(efv, kModel), "TRIP");
    } else {
      for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c]) flow = std::max(flow, largest[c]);
    }
    trip.load[i] = StoredNumber(flow);
    trip.loadWritten[i] = 1;
    largest[i] = flow;
  }
  trip.rootLoad = 0;
  for (int c = m.firstTop; c >= 0; c = m.nextSibling[c])
    trip.rootLoad = std::max(trip.rootLoad, largest[c]);
  trip.rootLoadWritten = true;
}

void TotalModelHighSide(const CalcModel& m, RunValues& trip) {
  std::vector<double> total(m.Count());
  for (int i = m.Count() - 1; i >= 0; --i) {
    if (m.regulatorAbove[i]) continue;
    double sum = 0;
    for (int c = m.firstChild[i]; c >= 0; c = m.nextSibling[c])
      if (!m.regulatorAbove[c]) sum += total[c];
    if (m.kind[i] == RunKind::Tee || m.kind[i] == RunKind::Manifold) {
      trip.load[i] = StoredNumber(sum);
      trip.loadWritten[i] = 1;
    } else {
      sum += trip.load[i];
    }
    total[i] = sum;
  }
  trip.rootLoad = 0;
  for (int c = m.firstTop; c >= 0; c = m.nextSibling[c]) trip.rootLoad += total[c];
}

}  // namespace cv
