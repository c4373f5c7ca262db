// The network calculation on the flat model of the network: the same steps
// and the same results as the calculation on the document, without reading
// or writing text while it sizes.
#pragma once

#include <pugixml.hpp>

#include "sizing/program_state.h"

namespace cv {

// Calculates the project and writes the results into it. False, with the
// document and the state untouched, when the model cannot hold the
// document or a step would fail: the calculation on the document then
// gives the failure its exact place.
bool CalculateOnModel(pugi::xml_document& project, ProgramState& state);

}  // namespace cv
