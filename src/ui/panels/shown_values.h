// The load and length boxes of the appliance panel: a metric value is a
// conversion of the stored English one, shown rounded for reading, and a
// box the user did not touch stores nothing new, so showing a node and
// pressing Update never changes its stored numbers.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace cv::ui {

// A number to two decimals for reading; any other text unchanged.
QString RoundedForReading(const std::string& text);

// The stored text itself in English units; in metric the converted value
// to two decimals. quantity is "Load" or "Length".
QString ShownQuantity(const std::string& stored, std::string_view quantity,
                      std::string_view unitSystem);

// A number box's text as the program reads numbers: a number typed with the
// locale's decimal comma ("22,5") reads as "22.5"; other text unchanged.
std::string TypedNumber(const QLineEdit& box);

// The text to store from the box: its value converted to English units when
// the user changed it, otherwise the stored text unchanged.
std::string StoredQuantity(const QLineEdit& box, const std::string& stored,
                           std::string_view quantity, std::string_view unitSystem);

}  // namespace cv::ui
