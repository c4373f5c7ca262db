// The window program runs under the user's locale, whose decimal comma the
// C library would put into every number a library prints with printf (the
// workbook writer does). This holds the C numeric locale for the calling
// thread while a library writes numbers.
#pragma once

#include <clocale>

namespace cv::ui {

// Sets LC_NUMERIC to "C" for the whole program; Qt keeps the user's locale
// for what it shows. Called once, after the QApplication is made.
void UseCNumericLocale() noexcept;

// The decimal separator of the user's locale: ',' under German, else '.'.
char LocaleDecimalSeparator();

// Holds the C numeric locale on this thread until destroyed.
class CNumericLocaleHold {
 public:
  CNumericLocaleHold() noexcept;
  ~CNumericLocaleHold();
  CNumericLocaleHold(const CNumericLocaleHold&) = delete;
  CNumericLocaleHold& operator=(const CNumericLocaleHold&) = delete;

 private:
  locale_t c_;
  locale_t previous_;
};

}  // namespace cv::ui
