// What the print commands check before anything goes to the printer, and
// the texts they show.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "sizing/calc_result.h"

namespace cv {

inline constexpr const char* kCorrectErrorsText =
    "Please correct errors in system before printing...";
inline constexpr const char* kPrintErrorText = "There was an error printing the project:";

// True when some SystemNode of the document has an empty materialSize.
bool HasUnsizedNode(const pugi::xml_document& doc);

// True when the network must not be printed: a run has no size, or the
// calculation failed to size a run (that run keeps a size that does not
// meet its limit, and the runs its pass did not reach keep unchecked ones).
// A run outside its limit on the final sizes does not stop a printout. The
// printouts that mark the runs not sized (the calculations, the diagram and
// the pressure profile: what a designer reads to find why a run fails) are
// refused only for a run without a size.
bool PrintRefused(const pugi::xml_document& doc, const CalcResult& result, bool marksUnsizedRuns);

// The message of a failed print job: the text, two CR LF, the description.
std::string PrintErrorMessage(const std::string& description);

}  // namespace cv
