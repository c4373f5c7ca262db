// Alt keys and screen-reader names for the controls of a page. A label
// gets its Alt key before the first given letter of its caption, becomes
// its box's buddy, and lends the box its caption (without the "&") as the
// name a screen reader speaks; the box's description says its unit or what
// its value means.
#pragma once

#include <QString>
#include <initializer_list>

class QAbstractButton;
class QLabel;
class QWidget;

namespace cv::ui {

// The caption with "&" put before the first letter key (either case); the
// caption unchanged when it lacks the letter.
QString WithAccessKey(const QString& caption, QChar key);
// The caption as a screen reader says it: without the "&" of its Alt key.
QString SpokenCaption(const QString& caption);

// Ties the label to the box with Alt+key and names the box after it.
void TieLabel(QLabel* label, QWidget* box, QChar key, const QString& description = {});
// The box is named after its label but has no Alt key of its own (result
// boxes, which Tab skips).
void NameAfterLabel(QWidget* box, const QLabel* label, const QString& description = {});
// A button or check box: Alt+key, and its caption as its name.
void SetAccessKey(QAbstractButton* button, QChar key, const QString& description = {});
// Tab visits the widgets in this order (their visual order).
void ChainTabOrder(std::initializer_list<QWidget*> widgets);
// The label whose buddy the box is, among the box's window's labels.
QLabel* LabelOf(const QWidget* box);

}  // namespace cv::ui
