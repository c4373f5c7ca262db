// The whole-network calculation run after every change: loads summed into
// fittings, every run sized from the largest load down, a second sizing at
// trip flow when the network holds an EFV (the larger size of each run
// wins), and last the pressures of every appliance and regulator.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "core/messages.h"
#include "efv/efv_catalog.h"
#include "sizing/calc_result.h"
#include "sizing/calc_trace.h"
#include "sizing/debug_log.h"

namespace cv {

// Networks nested deeper than this are refused (error 28): no real
// building comes near it, and the walks over the tree recurse.
inline constexpr int kMaxNetworkDepth = 2000;

struct CalcOptions {
  CalcTrace* trace = nullptr;  // none: the calculation is not traced
  // Where a traced calculation saves the trip-flow pass's copy of the
  // project; empty: nowhere.
  std::string tripDocumentPath;
  // Where the sizing failures are shown; none: they are only returned.
  MessageSink* messages = nullptr;
  // Visits the upsizing order state by state, never searching it: the
  // plain order the search must agree with, for tests and measurements.
  bool visitEveryState = false;
};

// Recalculates the project document in place, writes the results into it
// and returns them. A run that cannot be sized ends its pass after the
// message; any other failure propagates as CvError, with what was written
// staying written.
CalcResult Calculate(pugi::xml_document& project, const EFVCatalog& catalog,
                     const CalcOptions& options);

// Starts the trace file of a calculation afresh, so that it holds both
// passes; with tracing off an old trace goes.
void StartTrace(DebugLog& log, bool tracing, const std::string& projectPath);

// Total load at and below a node; fittings, regulators and EFVs carry only
// the loads below them. Reads the document only.
double AddLoads(pugi::xml_node node);

// Where the trace keeps the trip-flow document of a project: beside it,
// named after it with the extension replaced (house.cv: house_Trip.xml).
std::string TripDocumentPath(const std::string& projectPath);

}  // namespace cv
