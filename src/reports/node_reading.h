// What a screen reader says for a node of the network, in the tree and in
// the diagram alike: "Kitchen Range, Range, 65 kBTU, 20A CSST, delivered
// 6.56 in WC". A run the last calculation could not size reads "not sized"
// in place of its size and pressure.
#pragma once

#include <pugixml.hpp>
#include <string>

namespace cv {

// The node's description, kind, load, size and delivered pressure, in the
// project's units (metric for the user-defined method, psi on the high
// side of a dual system); fittings have no load or pressure to read, nor
// has a run whose pressure was never computed. The root reads "Gas Supply".
std::string NodeReading(pugi::xml_node node, bool metric, bool dualSystem, bool sized);

}  // namespace cv
