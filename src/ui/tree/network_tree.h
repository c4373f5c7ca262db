// TreeView1: the picture of the network. Items carry their key and image key
// (tree_items.h). A drag moves nothing by itself: the tree reports a drop
// only when a drag that started on one of its items is released over an
// item, and the tree view (network_view.h) decides and performs the move.
#pragma once

#include <QTreeWidget>
#include <functional>
#include <vector>

namespace cv::ui {

class NetworkTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit NetworkTree(QWidget* parent = nullptr);

  // Adds an item as the last child of parent (top level when null).
  QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& key, const QString& text,
                           const QString& imageKey);
  QTreeWidgetItem* FindItemByKey(const QString& key) const;

  // The item under the pointer when a mouse button last went down (none
  // when no item was there); the item a drag moves.
  QTreeWidgetItem* DragNode() const noexcept { return dragNode_; }
  void SetDragNode(QTreeWidgetItem* item) noexcept { dragNode_ = item; }
  QTreeWidgetItem* DropHighlight() const noexcept { return dropHighlight_; }
  void SetDropHighlight(QTreeWidgetItem* item) noexcept { dropHighlight_ = item; }
  // A drag runs from BeginDrag to EndDrag: meanwhile the current item is
  // only the highlight under the pointer.
  void BeginDrag() noexcept { dragging_ = true; }
  bool Dragging() const noexcept { return dragging_; }
  // Ends a drag, whether it was dropped or not: tells the tree view which item
  // was dragged (null when the tree was rebuilt) and forgets it.
  void EndDrag();

  void RemoveAllItems();

  // Tool tips are built when they are shown, by this source.
  using ToolTipSource = std::function<QString(const QTreeWidgetItem*)>;
  void SetToolTipSource(ToolTipSource source) { toolTipSource_ = std::move(source); }
  QString ToolTipOf(const QTreeWidgetItem* item) const;

  // The widths the user set by dragging are read from the user's settings
  // now and written back when the tree goes; unless this is called they
  // last as long as the tree.
  void KeepColumnWidths();
  // Each column the user has not sized fits its contents, every item
  // counted (folded branches too) and the header's text.
  void FitColumnsToContents();
  ~NetworkTree() override;

 signals:
  void mouseUp(Qt::MouseButton button, const QPoint& pos);
  void dropped(QTreeWidgetItem* dragged, QTreeWidgetItem* target);
  void dragFinished(QTreeWidgetItem* dragged);
  // The Delete and Insert keys.
  void removeRequested();
  void addRequested();
  // F2 or Enter: the selected node is to be edited in the panel.
  void editRequested();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // The highlighted row is always the current item's.
  void KeepSelectionOnCurrent();

  QTreeWidgetItem* dragNode_ = nullptr;
  QTreeWidgetItem* dropHighlight_ = nullptr;
  bool dragging_ = false;
  // The tree sets a width itself: not the user's.
  void SetColumnWidth(int column, int width);
  int ContentWidth(int column) const;

  ToolTipSource toolTipSource_;
  bool keepColumnWidths_ = false;
  bool settingWidth_ = false;
  std::vector<int> userWidths_;  // per column; 0 where the user set none
};

}  // namespace cv::ui
