// The calculation's result as one JSON object, for programs that read what
// the sizer decided: numbers in the stored English units, runs in document
// order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sizing/calc_result.h"

namespace cv {

// {"method", "gas", "status": "sized" or "failed", "runs": [...]}; each run
// has "message" only when it is not sized. A number the document does not
// hold is null. Ends with a line feed.
std::string CalcResultJson(const CalcResult& result);

// A comma, then the key and its colon: a member after the first.
void AppendJsonKey(std::string& out, const char* key);

// The text as a JSON string, quotes included; invalid UTF-8 is replaced so
// that the whole output stays readable.
void AppendJsonString(std::string& out, std::string_view text);

// The shortest text that reads back as the same double, whatever the locale;
// null for none or a number that is not finite.
void AppendJsonNumber(std::string& out, const std::optional<double>& value);

}  // namespace cv
