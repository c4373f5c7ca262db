// The whole-network calculation run after every change: loads summed into
// fittings, every run sized from the largest load down, a second sizing at
// trip flow when the network holds an EFV (the larger size of each run
// wins), and last the pressures of every appliance and regulator.
#pragma once

#include <pugixml.hpp>

#include "sizing/program_state.h"

namespace cv {

// Networks nested deeper than this are refused (error 28): no real
// building comes near it, and the walks over the tree recurse.
inline constexpr int kMaxNetworkDepth = 2000;

// Recalculates the project document in place. A run that cannot be sized
// ends its pass after the message (LastSizingFailed is then set); any other
// failure propagates as CvError, with what was written staying written.
void CalculateNetwork(pugi::xml_document& project, ProgramState& state);
// The same calculation step by step on the document, reading and writing
// text at every step: the one that traces, and the one that fails where a
// document's faults must make it fail.
void CalculateNetworkOnDocument(pugi::xml_document& project, ProgramState& state);

// Total load at and below a node; fittings, regulators and EFVs carry only
// the loads below them. AccumulateLoads also writes those totals (and the
// root's load); AddLoads only reads.
double AccumulateLoads(pugi::xml_node node);
double AddLoads(pugi::xml_node node);

bool IsTerminatingNode(pugi::xml_node node) noexcept;

// Where the trace keeps the trip-flow document of a project: beside it,
// named after it with the extension replaced (house.cv: house_Trip.xml).
std::string TripDocumentPath(const std::string& projectPath);

}  // namespace cv
