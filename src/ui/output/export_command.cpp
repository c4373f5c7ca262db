// "Export Calculations...": the calculation table written to a workbook the
// user names.
#include <QFileInfo>

#include "reports/calculation_table.h"
#include "reports/xlsx_export.h"
#include "ui/files/recent_files.h"
#include "ui/seams/c_numeric_locale.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

void MainWindow::ExportCalculations_Click() {
  std::optional<QString> chosen = seams_.files->OutputFileName(
      this, QStringLiteral("Export Calculations"), QStringLiteral("Excel Workbook (*.xlsx)"),
      QStringLiteral("xlsx"), ProposedName(state_.ProjectPath, QStringLiteral(".xlsx")));
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
  bool written = false;
  Guarded([&] {
    const CNumericLocaleHold numbers;
    const CalculationTable table = BuildCalculationTable(document_);
    const ProjectFacts facts{state_.ProjectPath, CurrentDateTimeText(), result_.UnsizedCount()};
    ExportCalculationTable(table, IsMetricTable(document_), path.toStdString(),
                           SheetNameForProject(state_.ProjectPath),
                           ProjectSheetRows(document_, facts));
    written = true;
  });
  if (written) ConfirmInStatusBar(QStringLiteral("Calculations exported to %1").arg(path));
}

}  // namespace cv::ui
