#include "ui/panels/click_on_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace cv::ui {

void SetListPositionQuietly(QComboBox* list, int position) {
  const QSignalBlocker blocker(list);
  list->setCurrentIndex(position);
}

void SetListPosition(QComboBox* list, int position, const ClickHandler& handler) {
  SetListPositionQuietly(list, position);
  if (handler) handler();
}

void SetListText(QComboBox* list, const QString& text, const ClickHandler& handler) {
  SetListPosition(list, list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive), handler);
}

void SetCheckValue(QCheckBox* box, bool checked, const ClickHandler& handler) {
  {
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
  }
  if (handler) handler();
}

}  // namespace cv::ui
