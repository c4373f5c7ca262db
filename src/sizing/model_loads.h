// The load walks of the calculation: the totals written into fittings, the
// flow each run carries, and the trip-flow pass's loads.
#pragma once

#include "efv/efv_catalog.h"
#include "sizing/calc_model.h"

namespace cv {

// The loads summed into fittings and the root, children in document order,
// and the flow each run carries: an appliance's own load and everything
// below it.
void AccumulateModelLoads(CalcModel& m);
// Fails where writing those totals meets a fitting or a root without a load
// field, once the totals before it are written.
void CheckLoadFields(const CalcModel& m);

// The trip-flow loads: every leaf behind an EFV carries the EFV's trip
// flow, every inner run and the root the largest trip flow below it.
void SetModelTripFlows(const CalcModel& m, const EFVCatalog& catalog, RunValues& trip);

// The high-pressure side's totals written into its tees, manifolds and the
// root.
void TotalModelHighSide(const CalcModel& m, RunValues& trip);

}  // namespace cv
