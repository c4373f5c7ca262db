#include "ui/panels/box_undo.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace cv::ui {
namespace {

bool IsRedoKey(const QKeyEvent& key) {
  return key.matches(QKeySequence::Redo) ||
         key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

class BoxUndoFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  // A box accepts the shortcut override of its undo keys even with nothing
  // to undo, which would swallow them; left unaccepted, the window's
  // shortcut runs.
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || event->type() != QEvent::ShortcutOverride) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.matches(QKeySequence::Undo)) return !box->isUndoAvailable();
    if (IsRedoKey(key)) return !box->isRedoAvailable();
    return false;
  }
};

}  // namespace

void PassUndoKeysWhenBoxHasNone(QWidget* root) {
  auto* filter = new BoxUndoFilter(root);
  for (QLineEdit* box : root->findChildren<QLineEdit*>())
    if (!box->isReadOnly()) box->installEventFilter(filter);
}

}  // namespace cv::ui
