#include "core/locale_numbers.h"

#include <gtest/gtest.h>

// Typed under a comma locale, a number reads as the text the program stores;
// a copied number gets the comma back.
TEST(LocaleNumbers, ACommaTypedReadsAsThePeriodAndACopyGetsTheComma) {
  const char* const cases[][2] = {{"22,5", "22.5"},   {" -0,25 ", " -0.25 "}, {"22.5", "22.5"},
                                  {"1,2,3", "1,2,3"}, {"abc,5", "abc,5"},     {",", ","}};
  for (const auto& [typed, read] : cases) EXPECT_EQ(cv::NumberTypedWith(typed, ','), read) << typed;
  EXPECT_EQ(cv::NumberTypedWith("22,5", '.'), "22,5");
  EXPECT_EQ(cv::NumberShownWith("6.81", ','), "6,81");
  EXPECT_EQ(cv::NumberShownWith("1/2\" SCHEDULE 40", ','), "1/2\" SCHEDULE 40");
}
