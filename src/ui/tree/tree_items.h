// What a tree item carries besides its text: the key that links it to the
// document (id + " " + description, "CVSystem" for the gas supply) and the
// key of its image (the device kind).
#pragma once

#include <QString>
#include <pugixml.hpp>

class QTreeWidgetItem;

namespace cv::ui {

inline const QString kGasSupplyKey = QStringLiteral("CVSystem");
inline const QString kGasSupplyCaption = QStringLiteral("Gas Supply");
inline const QString kLogoImage = QStringLiteral("kestLogo");
// A new node is of the kind "Other" until the user chooses one.
inline const QString kNewNodeImage = QStringLiteral("Other");

QString ItemKey(const QTreeWidgetItem* item);
QString ItemImageKey(const QTreeWidgetItem* item);
void SetItemKey(QTreeWidgetItem* item, const QString& key);
// Sets the image key and the icon drawn for it.
void SetItemImage(QTreeWidgetItem* item, const QString& imageKey);
bool IsGasSupplyItem(const QTreeWidgetItem* item);
// The id part of the key: the text before the first blank.
QString ItemId(const QTreeWidgetItem* item);

// The document node an item stands for: the first SystemNode whose id is the
// item's id; an empty handle for the gas supply or when none matches.
pugi::xml_node ConvertTreeviewNodeToXMLNode(const pugi::xml_document& doc,
                                            const QTreeWidgetItem* item);

}  // namespace cv::ui
