// "Export Calculations...": the calculation table written to a workbook the
// user names.
#include <QFileInfo>

#include "reports/calculation_table.h"
#include "reports/xlsx_export.h"
#include "ui/main_window.h"

namespace cv::ui {

void MainWindow::ExportCalculations_Click() {
  std::optional<QString> chosen = seams_.files->SaveFileName(
      this, QStringLiteral("Export Calculations"), {QStringLiteral("Excel Workbook (*.xlsx)")}, 0);
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
  Guarded([&] {
    const CalculationTable table = BuildCalculationTable(document_);
    ExportCalculationTable(table, IsMetricTable(document_), path.toStdString(),
                           SheetNameForProject(state_.ProjectPath));
  });
}

}  // namespace cv::ui
