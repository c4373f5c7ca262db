// The pressure drop from each run's gas source (the gas supply or the
// nearest regulator) to the run's end, summed from the segment drops the
// last calculation stored: the figure the pressure-drop information box
// gives "from gas source", for every run in one walk of the document.
#pragma once

#include <pugixml.hpp>
#include <utility>
#include <vector>

namespace cv {

// Every SystemNode in document order with its rounded drop from its source.
// A stored drop that is missing or not a number counts as 0.
std::vector<std::pair<pugi::xml_node, double>> StoredDropsFromSource(const pugi::xml_document& doc);
// The same figure for one run, walking up to its source.
double StoredDropFromSource(pugi::xml_node run);

}  // namespace cv
