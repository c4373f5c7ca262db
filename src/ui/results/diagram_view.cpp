#include "ui/results/diagram_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "reports/diagram_drawing.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {
namespace {

constexpr double kPixelsPerTwip = 96.0 / 1440.0;
constexpr double kMinZoom = 0.02;
constexpr double kMaxZoom = 4;
constexpr double kZoomStep = 1.25;
constexpr double kReadableZoom = 0.6;
constexpr double kMargin = 10;  // pixels around a fitted diagram
// A press that moves less than this is a click, not a drag.
constexpr double kClickSlack = 4;

}  // namespace

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picDiagram"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setAutoFillBackground(false);
}

void DiagramView::SetDiagram(cv::DiagramLayout layout) {
  layout_ = std::move(layout);
  update();
}

void DiagramView::SetSelectedNode(const std::string& nodeId) {
  if (selected_ == nodeId) return;
  selected_ = nodeId;
  update();
}

double DiagramView::Scale() const noexcept { return zoom_ * kPixelsPerTwip; }

QPointF DiagramView::ToDiagram(QPointF widgetPos) const { return (widgetPos - origin_) / Scale(); }

QPointF DiagramView::BoxCentre(int box) const {
  const cv::DiagramRect& r = layout_.boxes.at(static_cast<size_t>(box)).rect;
  return origin_ + QPointF(r.x + r.width / 2, r.y + r.height / 2) * Scale();
}

void DiagramView::Fit() {
  const double width = std::max(layout_.width, 1.0) * kPixelsPerTwip;
  const double height = std::max(layout_.height, 1.0) * kPixelsPerTwip;
  fitPending_ = false;
  const double room =
      std::min((this->width() - 2 * kMargin) / width, (this->height() - 2 * kMargin) / height);
  zoom_ = std::clamp(std::min(1.0, room), kMinZoom, kMaxZoom);
  const QPointF size(width * zoom_, height * zoom_);
  origin_ = QPointF(std::max(kMargin, (this->width() - size.x()) / 2), kMargin);
  update();
}

void DiagramView::ZoomBy(double factor, QPointF anchor) {
  const QPointF fixed = ToDiagram(anchor);
  zoom_ = std::clamp(zoom_ * factor, kMinZoom, kMaxZoom);
  origin_ = anchor - fixed * Scale();
  update();
}

QString DiagramView::NodeAt(QPointF widgetPos) const {
  const QPointF at = ToDiagram(widgetPos);
  const int box = cv::BoxAt(layout_, at.x(), at.y());
  return box < 0 ? QString()
                 : QString::fromStdString(layout_.boxes[static_cast<size_t>(box)].nodeId);
}

void DiagramView::FitWhenShown() {
  fitPending_ = true;
  update();
}

void DiagramView::FitReadably() {
  Fit();
  // A wide network opens readable, the gas supply at the top centre.
  if (zoom_ < kReadableZoom)
    ZoomBy(kReadableZoom / zoom_, origin_ + QPointF(layout_.width * Scale() / 2, 0));
}

void DiagramView::paintEvent(QPaintEvent*) {
  // Only now is the view's size that of the page.
  if (fitPending_) FitReadably();
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(origin_);
  painter.scale(Scale(), Scale());
  const QPointF topLeft = ToDiagram(QPointF(0, 0));
  const cv::DiagramRect area{topLeft.x(), topLeft.y(), width() / Scale(), height() / Scale()};
  QtDiagramCanvas canvas(painter);
  cv::DrawDiagram(canvas, layout_, selected_, &area);
}

void DiagramView::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps != 0) ZoomBy(std::pow(kZoomStep, steps), event->position());
  event->accept();
}

void DiagramView::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  const QPointF centre(width() / 2.0, height() / 2.0);
  if (event->matches(QKeySequence::ZoomIn) ||
      (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)))
    ZoomBy(kZoomStep, centre);
  else if (event->matches(QKeySequence::ZoomOut) || (control && event->key() == Qt::Key_Minus))
    ZoomBy(1 / kZoomStep, centre);
  else
    QWidget::keyPressEvent(event);
}

void DiagramView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
  dragged_ = false;
  pressPos_ = event->position();
  pressOrigin_ = origin_;
}

void DiagramView::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) return;
  const QPointF moved = event->position() - pressPos_;
  if (!dragged_ && moved.manhattanLength() < kClickSlack) return;
  dragged_ = true;
  setCursor(Qt::ClosedHandCursor);
  origin_ = pressOrigin_ + moved;
  update();
}

void DiagramView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
  pressed_ = false;
  unsetCursor();
  if (dragged_) return;
  const QString id = NodeAt(event->position());
  if (!id.isEmpty()) emit nodeClicked(id);
}

void DiagramView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QString id = NodeAt(event->position());
  if (event->button() == Qt::LeftButton && !id.isEmpty()) emit nodeActivated(id);
}

}  // namespace cv::ui
