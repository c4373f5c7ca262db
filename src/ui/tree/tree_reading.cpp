#include "ui/tree/tree_reading.h"

#include <QTreeWidgetItem>

#include "reports/node_reading.h"
#include "sizing/units.h"
#include "ui/tree/result_columns.h"

namespace cv::ui {

void ShowReading(QTreeWidgetItem* item, pugi::xml_node node, std::string_view unitSystem,
                 bool dualSystem) {
  const bool sized = SizingFailureOf(item).isEmpty();
  item->setData(
      kColumnName, Qt::AccessibleTextRole,
      QString::fromStdString(NodeReading(node, unitSystem == kMetric, dualSystem, sized)));
}

}  // namespace cv::ui
