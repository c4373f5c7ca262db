#include "ui/results/diagram_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "reports/diagram_drawing.h"
#include "reports/diagram_moves.h"
#include "ui/results/diagram_accessible.h"
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
  ++generation_;
  update();
}

void DiagramView::SetSelectedNode(const std::string& nodeId) {
  if (selected_ == nodeId) return;
  selected_ = nodeId;
  const int box = SelectedBox();
  if (isVisible()) ScrollToBox(box);
  if (hasFocus()) AnnounceSelectedBox(this, box);
  update();
}

int DiagramView::SelectedBox() const noexcept { return cv::FindBox(layout_, selected_); }

QString DiagramView::BoxReading(int box) const {
  const cv::DiagramBox& shown = layout_.boxes.at(static_cast<size_t>(box));
  return reader_ ? reader_(shown) : QString::fromStdString(shown.description);
}

void DiagramView::ScrollToBox(int box) {
  if (box < 0) return;
  const QRectF shown = BoxRect(box);
  if (rect().contains(shown.toAlignedRect())) return;
  origin_ += rect().center() - shown.center();
}

double DiagramView::Scale() const noexcept { return zoom_ * kPixelsPerTwip; }

QPointF DiagramView::ToDiagram(QPointF widgetPos) const { return (widgetPos - origin_) / Scale(); }

QPointF DiagramView::BoxCentre(int box) const { return BoxRect(box).center(); }

QRectF DiagramView::BoxRect(int box) const {
  const cv::DiagramRect& r = layout_.boxes.at(static_cast<size_t>(box)).rect;
  return QRectF(origin_ + QPointF(r.x, r.y) * Scale(), QSizeF(r.width, r.height) * Scale());
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

int DiagramView::BoxAtPoint(QPointF widgetPos) const {
  const QPointF at = ToDiagram(widgetPos);
  return cv::BoxAt(layout_, at.x(), at.y());
}

QString DiagramView::NodeAt(QPointF widgetPos) const {
  const int box = BoxAtPoint(widgetPos);
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
  else if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) || !MoveByKey(event->key()))
    QWidget::keyPressEvent(event);
}

bool DiagramView::MoveByKey(int key) {
  if (layout_.boxes.empty()) return false;
  const int box = std::max(SelectedBox(), 0);
  const auto idOf = [this](int b) {
    return QString::fromStdString(layout_.boxes[static_cast<size_t>(b)].nodeId);
  };
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    emit nodeActivated(idOf(box));
    return true;
  }
  using Move = cv::DiagramMove;
  constexpr std::pair<int, Move> kMoves[] = {{Qt::Key_Up, Move::Parent},
                                             {Qt::Key_Down, Move::FirstChild},
                                             {Qt::Key_Left, Move::PreviousSibling},
                                             {Qt::Key_Right, Move::NextSibling}};
  int target = key == Qt::Key_Home ? 0 : -1;
  for (const auto& [moveKey, move] : kMoves)
    if (moveKey == key) target = cv::DiagramStep(layout_, box, move);
  if (target < 0) return false;
  if (target != SelectedBox()) emit nodeClicked(idOf(target));
  return true;
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
