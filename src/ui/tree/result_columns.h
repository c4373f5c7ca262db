// The results the tree shows beside each item: load, length, size, the
// drop from the run's gas source and the delivered pressure, in the
// project's units and rounded for reading; and the mark of a run that could
// not be sized (red text, a warning sign over its icon, the sizing message).
#pragma once

#include <QString>
#include <QStringList>
#include <pugixml.hpp>
#include <string>
#include <string_view>

class QTreeWidgetItem;

namespace cv::ui {

enum TreeColumn : int {
  kColumnName,
  kColumnLoad,
  kColumnLength,
  kColumnSize,
  kColumnDrop,
  kColumnDelivered,
  kTreeColumnCount
};

QStringList TreeColumnHeaders(std::string_view unitSystem);

// Fills the result columns of a run's item: the load it carries (stored
// text), dropFromSource in inches of water column, dashes for a run
// without computed pressures. A run on a psi side names the unit in its
// pressure cells.
void ShowRunResults(QTreeWidgetItem* item, pugi::xml_node node, const std::string& carriedLoad,
                    double dropFromSource, std::string_view unitSystem, bool dualSystem,
                    bool computed);
// The gas supply's row: the network's total load.
void ShowSupplyResults(QTreeWidgetItem* item, pugi::xml_node root, std::string_view unitSystem);

// Marks the item as not sized with the message, or clears the mark when the
// message is empty.
void MarkSizingFailure(QTreeWidgetItem* item, const QString& message);
// The sizing message of a marked item; empty when it is not marked.
QString SizingFailureOf(const QTreeWidgetItem* item);

}  // namespace cv::ui
