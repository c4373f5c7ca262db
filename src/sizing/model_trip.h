// The trip-flow pass of a network holding an EFV: every run behind an EFV,
// and the high side, sized again for the flow at which the EFV trips; the
// larger of the two sizes of each run wins.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "sizing/calc_model.h"
#include "sizing/model_pass.h"

namespace cv {

// Sizes the trip-flow copy of the project's values and merges its sizes
// into them. A traced calculation saves the copy as a document at the path
// given (none when empty).
void RunTripFlowPass(const pugi::xml_document& project, CalcModel& m, PassShared& shared,
                     const std::string& tripDocumentPath);

}  // namespace cv
