// The network diagram on screen: drawn through the core's drawing code on a
// QPainter, zoomed with the wheel or Ctrl+plus/minus, panned by dragging.
// A click on a box reports its node; a double click asks to open it. The
// arrow keys move between the boxes and Enter opens the selected one.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "reports/diagram_layout.h"

namespace cv::ui {

class DiagramView : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramView(QWidget* parent = nullptr);

  // A new picture of the network; the zoom and position stay.
  void SetDiagram(cv::DiagramLayout layout);
  const cv::DiagramLayout& Diagram() const noexcept { return layout_; }
  // The node drawn highlighted: its id, "CVSystem" for the gas supply.
  void SetSelectedNode(const std::string& nodeId);
  // The whole diagram in the view, never larger than its full size.
  void Fit();
  // At the next painting, once the view has its size on screen: fits, but
  // not smaller than a readable size.
  void FitWhenShown();
  // Zooms keeping the diagram point under the anchor (widget position).
  void ZoomBy(double factor, QPointF anchor);
  double Zoom() const noexcept { return zoom_; }
  // Where a box's centre is drawn in the widget.
  QPointF BoxCentre(int box) const;
  // Where a box is drawn in the widget.
  QRectF BoxRect(int box) const;
  // The box under a widget position, or -1.
  int BoxAtPoint(QPointF widgetPos) const;
  // The selected node's box, or -1.
  int SelectedBox() const noexcept;
  // Counts the diagrams shown: a screen reader's items of an older one are
  // gone.
  int Generation() const noexcept { return generation_; }
  // What a screen reader says for a box; set by the page, which knows the
  // document.
  using Reader = std::function<QString(const cv::DiagramBox&)>;
  void SetReader(Reader reader) { reader_ = std::move(reader); }
  QString BoxReading(int box) const;

 signals:
  void nodeClicked(const QString& nodeId);
  void nodeActivated(const QString& nodeId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // Widget pixels per diagram twip.
  double Scale() const noexcept;
  QPointF ToDiagram(QPointF widgetPos) const;
  // The node id of the box under a widget position, or empty.
  QString NodeAt(QPointF widgetPos) const;
  void FitReadably();
  // Arrow keys walk the boxes as the tree's items; Enter opens the node.
  bool MoveByKey(int key);
  void ScrollToBox(int box);

  cv::DiagramLayout layout_;
  std::string selected_;
  double zoom_ = 1;  // 1: the diagram's full size on a 96 per inch screen
  QPointF origin_;   // where the diagram's (0, 0) is drawn
  QPointF pressPos_;
  QPointF pressOrigin_;
  bool pressed_ = false;
  bool dragged_ = false;
  bool fitPending_ = false;
  int generation_ = 0;
  Reader reader_;
};

}  // namespace cv::ui
