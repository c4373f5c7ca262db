#include "ui/results/diagram_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "ui/results/diagram_view.h"

namespace cv::ui {
namespace {

class BoxAccessible : public QAccessibleInterface {
 public:
  BoxAccessible(DiagramView* view, int box) : view_(view), box_(box) {}

  bool isValid() const override {
    return view_ && box_ < static_cast<int>(view_->Diagram().boxes.size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? view_->BoxReading(box_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRectF box = view_->BoxRect(box_);
    return QRect(view_->mapToGlobal(box.topLeft().toPoint()), box.size().toSize());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    const bool selected = isValid() && view_->SelectedBox() == box_;
    state.selected = selected;
    state.focused = selected && view_->hasFocus();
    return state;
  }

 private:
  QPointer<DiagramView> view_;
  int box_;
};

class DiagramAccessible : public QAccessibleWidget {
 public:
  explicit DiagramAccessible(DiagramView* view) : QAccessibleWidget(view, QAccessible::List) {}
  ~DiagramAccessible() override { Forget(); }

  int childCount() const override { return static_cast<int>(View()->Diagram().boxes.size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (generation_ != View()->Generation()) Forget();
    if (ids_.size() < static_cast<size_t>(childCount())) ids_.resize(childCount(), 0);
    QAccessible::Id& id = ids_[static_cast<size_t>(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new BoxAccessible(View(), index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < static_cast<int>(ids_.size()); ++index)
      if (ids_[static_cast<size_t>(index)] &&
          QAccessible::accessibleInterface(ids_[static_cast<size_t>(index)]) == child)
        return index;
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    return View()->hasFocus() ? child(View()->SelectedBox()) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    return child(View()->BoxAtPoint(View()->mapFromGlobal(QPoint(x, y))));
  }

 private:
  DiagramView* View() const { return static_cast<DiagramView*>(widget()); }
  // A new layout has other boxes: their interfaces are made again.
  void Forget() const {
    for (QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
    ids_.clear();
    if (widget()) generation_ = View()->Generation();
  }

  mutable std::vector<QAccessible::Id> ids_;
  mutable int generation_ = 0;
};

}  // namespace

QAccessibleInterface* DiagramAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("cv::ui::DiagramView") && object && object->isWidgetType())
    return new DiagramAccessible(static_cast<DiagramView*>(object));
  return nullptr;
}

void AnnounceSelectedBox(DiagramView* view, int box) {
  if (box < 0 || !QAccessible::isActive()) return;
  QAccessibleEvent focus(view, QAccessible::Focus);
  focus.setChild(box);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace cv::ui
