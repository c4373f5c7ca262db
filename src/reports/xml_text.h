// Text made fit for an XML file: a workbook must stay well-formed whatever
// a project's names hold.
#pragma once

#include <string>
#include <string_view>

namespace cv {

// The text with each invalid UTF-8 sequence (also an encoded surrogate,
// an overlong form or a code point above U+10FFFF) replaced by U+FFFD and
// the non-characters (U+FFFE, U+FFFF and their kin, U+FDD0 to U+FDEF)
// dropped. Valid text comes back unchanged.
std::string XmlSafeText(std::string_view text);

}  // namespace cv
