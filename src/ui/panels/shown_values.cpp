#include "ui/panels/shown_values.h"

#include <QLineEdit>

#include "core/locale_numbers.h"
#include "core/number_text.h"
#include "sizing/units.h"
#include "ui/seams/c_numeric_locale.h"

namespace cv::ui {

namespace {
constexpr int kShownDecimals = 2;
}

QString RoundedForReading(const std::string& text) {
  const std::optional<double> value = TryParseNumber(text);
  if (!value) return QString::fromStdString(text);
  return QString::fromStdString(FormatNumber(RoundHalfEven(*value, kShownDecimals)));
}

QString ShownQuantity(const std::string& stored, std::string_view quantity,
                      std::string_view unitSystem) {
  if (unitSystem == kEnglish) return QString::fromStdString(stored);
  return RoundedForReading(ConvertUnits(stored, quantity, kEnglish, unitSystem));
}

std::string TypedNumber(const QLineEdit& box) {
  return NumberTypedWith(box.text().toStdString(), LocaleDecimalSeparator());
}

std::string StoredQuantity(const QLineEdit& box, const std::string& stored,
                           std::string_view quantity, std::string_view unitSystem) {
  if (!box.isModified()) return stored;
  return ConvertUnits(TypedNumber(box), quantity, unitSystem, kEnglish);
}

}  // namespace cv::ui
