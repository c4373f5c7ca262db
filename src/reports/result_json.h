// The calculation's result as one JSON object, for programs that read what
// the sizer decided: numbers in the stored English units, runs in document
// order.
#pragma once

#include <string>

#include "sizing/calc_result.h"

namespace cv {

// {"method", "gas", "status": "sized" or "failed", "runs": [...]}; each run
// has "message" only when it is not sized. A number the document does not
// hold is null. Ends with a line feed.
std::string CalcResultJson(const CalcResult& result);

}  // namespace cv
