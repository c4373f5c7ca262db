#include "ui/tree/network_tree.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QToolTip>
#include <algorithm>

#include "ui/access/icons.h"
#include "ui/tree/result_columns.h"
#include "ui/tree/tree_items.h"

namespace cv::ui {

NetworkTree::NetworkTree(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("TreeView1"));
  setColumnCount(kTreeColumnCount);
  setHeaderLabels(TreeColumnHeaders("English"));
  header()->setStretchLastSection(false);
  const int widths[kTreeColumnCount] = {190, 80, 70, 125, 135, 160};
  for (int column = 0; column < kTreeColumnCount; ++column) SetColumnWidth(column, widths[column]);
  userWidths_.assign(kTreeColumnCount, 0);
  connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (!settingWidth_ && column < kTreeColumnCount) userWidths_[column] = width;
  });
  setIconSize(QSize(20, 20));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setExpandsOnDoubleClick(true);
}

QTreeWidgetItem* NetworkTree::AddItem(QTreeWidgetItem* parent, const QString& key,
                                      const QString& text, const QString& imageKey) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  SetItemKey(item, key);
  SetItemImage(item, imageKey);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                 Qt::ItemIsDropEnabled);
  if (parent)
    parent->addChild(item);
  else
    addTopLevelItem(item);
  return item;
}

QTreeWidgetItem* NetworkTree::FindItemByKey(const QString& key) const {
  for (QTreeWidgetItemIterator it(const_cast<NetworkTree*>(this)); *it; ++it)
    if (ItemKey(*it) == key) return *it;
  return nullptr;
}

namespace {
const QString kUserWidthsKey = QStringLiteral("tree/userColumnWidths");
}

NetworkTree::~NetworkTree() {
  if (!keepColumnWidths_) return;
  QVariantList widths;
  for (int width : userWidths_) widths.append(width);
  QSettings(QStringLiteral("CORVANTA"), QStringLiteral("Sizing Program"))
      .setValue(kUserWidthsKey, widths);
}

void NetworkTree::KeepColumnWidths() {
  keepColumnWidths_ = true;
  const QSettings settings(QStringLiteral("CORVANTA"), QStringLiteral("Sizing Program"));
  const QVariantList widths = settings.value(kUserWidthsKey).toList();
  for (int column = 0; column < kTreeColumnCount && column < widths.size(); ++column) {
    userWidths_[column] = widths[column].toInt();
    if (userWidths_[column] > 0) SetColumnWidth(column, userWidths_[column]);
  }
}

void NetworkTree::SetColumnWidth(int column, int width) {
  settingWidth_ = true;
  header()->resizeSection(column, width);
  settingWidth_ = false;
}

int NetworkTree::ContentWidth(int column) const {
  int width = header()->sectionSizeHint(column);
  // Walked with the depth of each item: the first column is indented by it.
  std::vector<std::pair<QTreeWidgetItem*, int>> pending;
  for (int i = 0; i < topLevelItemCount(); ++i)
    pending.emplace_back(topLevelItem(i), rootIsDecorated() ? 1 : 0);
  while (!pending.empty()) {
    const auto [item, depth] = pending.back();
    pending.pop_back();
    const int indent = column == 0 ? depth * indentation() : 0;
    width = std::max(width, indent + sizeHintForIndex(indexFromItem(item, column)).width());
    for (int i = 0; i < item->childCount(); ++i) pending.emplace_back(item->child(i), depth + 1);
  }
  return width;
}

void NetworkTree::FitColumnsToContents() {
  for (int column = 0; column < kTreeColumnCount; ++column)
    if (userWidths_[column] == 0) SetColumnWidth(column, ContentWidth(column));
}

QString NetworkTree::ToolTipOf(const QTreeWidgetItem* item) const {
  return item && toolTipSource_ ? toolTipSource_(item) : QString();
}

bool NetworkTree::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTreeWidget::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString text = ToolTipOf(itemAt(help->pos()));
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), text, viewport());
  return true;
}

void NetworkTree::EndDrag() {
  QTreeWidgetItem* dragged = dragNode_;
  dragNode_ = nullptr;
  dragging_ = false;
  emit dragFinished(dragged);
}

void NetworkTree::RemoveAllItems() {
  dragNode_ = nullptr;  // a drag that rebuilt the tree ends with no item
  dropHighlight_ = nullptr;
  clear();
}

void NetworkTree::mousePressEvent(QMouseEvent* event) {
  dragNode_ = itemAt(event->position().toPoint());
  // Only the left button starts drags; the window selects the item under a
  // right click itself, after any question about the panel's edits.
  if (event->button() != Qt::LeftButton) return;
  QTreeWidget::mousePressEvent(event);
  // The window may have put the selection back (the user cancelled leaving
  // the node shown): the pressed item is then neither selected nor dragged.
  if (currentItem() != dragNode_) {
    dragNode_ = nullptr;
    KeepSelectionOnCurrent();
  }
}

void NetworkTree::KeepSelectionOnCurrent() {
  if (currentItem() && !currentItem()->isSelected()) setCurrentItem(currentItem());
}

void NetworkTree::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    QTreeWidget::mouseReleaseEvent(event);
    KeepSelectionOnCurrent();
  }
  emit mouseUp(event->button(), pos);
}

void NetworkTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    emit removeRequested();
    return;
  }
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    emit addRequested();
    return;
  }
  const bool edit =
      event->key() == Qt::Key_F2 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (edit && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    emit editRequested();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void NetworkTree::startDrag(Qt::DropActions) {
  QTreeWidgetItem* item = dragNode_;
  if (!item) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(mimeData({item}));
  drag->setPixmap(DeviceImage(ItemImageKey(item), 32));
  BeginDrag();
  drag->exec(Qt::MoveAction);
  EndDrag();
}

void NetworkTree::dragEnterEvent(QDragEnterEvent* event) {
  if (dragNode_)
    event->acceptProposedAction();
  else
    event->ignore();
}

void NetworkTree::dragMoveEvent(QDragMoveEvent* event) {
  QTreeWidgetItem* item = itemAt(event->position().toPoint());
  if (!dragNode_ || !item) {
    event->ignore();
    return;
  }
  setCurrentItem(item);
  dropHighlight_ = item;
  if (!item->isExpanded()) item->setExpanded(true);
  event->acceptProposedAction();
}

void NetworkTree::dropEvent(QDropEvent* event) {
  QTreeWidgetItem* target = itemAt(event->position().toPoint());
  QTreeWidgetItem* dragged = dragNode_;
  if (!dragged || !target) {
    event->ignore();
    return;
  }
  // The move itself is the window's: the drag reports no move action, so
  // nothing removes the dragged item behind the window's back.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  setCurrentItem(target);
  dropHighlight_ = target;
  emit dropped(dragged, target);
}

}  // namespace cv::ui
