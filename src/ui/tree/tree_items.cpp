#include "ui/tree/tree_items.h"

#include <QTreeWidgetItem>

#include "project/document.h"
#include "ui/access/icons.h"

namespace cv::ui {
namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
}  // namespace

QString ItemKey(const QTreeWidgetItem* item) {
  return item ? item->data(0, kKeyRole).toString() : QString();
}

QString ItemImageKey(const QTreeWidgetItem* item) {
  return item ? item->data(0, kImageRole).toString() : QString();
}

void SetItemKey(QTreeWidgetItem* item, const QString& key) { item->setData(0, kKeyRole, key); }

void SetItemImage(QTreeWidgetItem* item, const QString& imageKey) {
  item->setData(0, kImageRole, imageKey);
  item->setIcon(0, DeviceIcon(imageKey));
}

bool IsGasSupplyItem(const QTreeWidgetItem* item) { return ItemKey(item) == kGasSupplyKey; }

QString ItemId(const QTreeWidgetItem* item) {
  return ItemKey(item).section(QLatin1Char(' '), 0, 0);
}

pugi::xml_node ConvertTreeviewNodeToXMLNode(const pugi::xml_document& doc,
                                            const QTreeWidgetItem* item) {
  if (!item || IsGasSupplyItem(item)) return {};
  return FindSystemNodeById(doc, ItemId(item).toStdString());
}

}  // namespace cv::ui
