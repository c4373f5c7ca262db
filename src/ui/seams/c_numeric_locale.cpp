#include "ui/seams/c_numeric_locale.h"

#include <QLocale>

namespace cv::ui {

char LocaleDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

void UseCNumericLocale() noexcept { std::setlocale(LC_NUMERIC, "C"); }

CNumericLocaleHold::CNumericLocaleHold() noexcept
    : c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))),
      previous_(c_ ? uselocale(c_) : nullptr) {}

CNumericLocaleHold::~CNumericLocaleHold() {
  if (!c_) return;
  uselocale(previous_);
  freelocale(c_);
}

}  // namespace cv::ui
