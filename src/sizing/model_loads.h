// The load walks of the calculation on the model: the totals written into
// fittings, the flow each run carries, and the trip-flow pass's loads.
#pragma once

#include "sizing/calc_model.h"
#include "sizing/program_state.h"

namespace cv {

// The loads summed into fittings and the root, children in document order,
// and the flow each run carries: an appliance's own load and everything
// below it.
void AccumulateModelLoads(CalcModel& m);

// The trip-flow loads: every leaf behind an EFV carries the EFV's trip
// flow, every inner run the largest trip flow below it.
void SetModelTripFlows(const CalcModel& m, const ProgramState& state, RunValues& trip);

// The high-pressure side's totals written into its tees and manifolds.
void TotalModelHighSide(const CalcModel& m, RunValues& trip);

}  // namespace cv
