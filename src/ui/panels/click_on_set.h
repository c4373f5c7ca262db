// Setting a list position or a check box from code runs the same handler as
// the user's click, at once and exactly once: the position is set with the
// widget's own signals blocked, then the handler is called explicitly. User
// clicks reach the handlers through the signals that only user actions emit
// (QComboBox::activated, QAbstractButton::clicked).
#pragma once

#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;

namespace cv::ui {

using ClickHandler = std::function<void()>;

// Sets the position without running any handler.
void SetListPositionQuietly(QComboBox* list, int position);
// Sets the position, then runs the handler.
void SetListPosition(QComboBox* list, int position, const ClickHandler& handler);
// Selects the entry with this text (position -1 when none has it), then runs
// the handler when one is given.
void SetListText(QComboBox* list, const QString& text, const ClickHandler& handler = {});
void SetCheckValue(QCheckBox* box, bool checked, const ClickHandler& handler);

}  // namespace cv::ui
