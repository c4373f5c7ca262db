#include "reports/xml_text.h"

#include <gtest/gtest.h>

#include "reports/xlsx_export.h"

namespace {

TEST(XmlSafeText, ReplacesWhatAnXmlTextCannotHold) {
  const std::pair<const char*, const char*> cases[] = {
      {"Kitchen Range \xC3\xA9 \xE2\x82\xAC \xF0\x9F\x94\xA5", nullptr},  // valid: unchanged
      {"caf\xE9", "caf\xEF\xBF\xBD"},                                     // Latin-1 byte
      {"a\xED\xA0\x80z", "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz"},       // a surrogate
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                           // overlong "/"
      {"a\xEF\xBF\xBE"
       "b\xEF\xBF\xBF"
       "c\xEF\xB7\x90",
       "abc"},                                         // non-characters
      {"end\xE2\x82", "end\xEF\xBF\xBD\xEF\xBF\xBD"},  // cut short
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(cv::XmlSafeText(text), expected ? expected : text) << text;
  EXPECT_EQ(cv::SheetNameForProject("/p/caf\xE9.cv"), "caf\xEF\xBF\xBD");
}

}  // namespace
