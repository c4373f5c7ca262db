#include "ui/access/access_keys.h"

#include <QAbstractButton>
#include <QLabel>

namespace cv::ui {

QString WithAccessKey(const QString& caption, QChar key) {
  const int at = caption.indexOf(key, 0, Qt::CaseInsensitive);
  if (at < 0) return caption;
  return caption.left(at) + QLatin1Char('&') + caption.mid(at);
}

QString SpokenCaption(const QString& caption) {
  QString spoken = caption;
  // "&&" stands for an ampersand of the caption itself.
  spoken.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  spoken.remove(QLatin1Char('&'));
  spoken.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return spoken;
}

void NameAfterLabel(QWidget* box, const QLabel* label, const QString& description) {
  box->setAccessibleName(SpokenCaption(label->text()));
  if (!description.isEmpty()) box->setAccessibleDescription(description);
}

void TieLabel(QLabel* label, QWidget* box, QChar key, const QString& description) {
  label->setText(WithAccessKey(SpokenCaption(label->text()), key));
  label->setBuddy(box);
  NameAfterLabel(box, label, description);
}

void SetAccessKey(QAbstractButton* button, QChar key, const QString& description) {
  button->setText(WithAccessKey(SpokenCaption(button->text()), key));
  button->setAccessibleName(SpokenCaption(button->text()));
  if (!description.isEmpty()) button->setAccessibleDescription(description);
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
  const QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (previous) QWidget::setTabOrder(const_cast<QWidget*>(previous), widget);
    previous = widget;
  }
}

QLabel* LabelOf(const QWidget* box) {
  for (QLabel* label : box->window()->findChildren<QLabel*>())
    if (label->buddy() == box) return label;
  return nullptr;
}

}  // namespace cv::ui
