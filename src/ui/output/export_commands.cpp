#include "ui/output/export_commands.h"

#include <QFileInfo>

#include "reports/calculation_table.h"
#include "reports/xlsx_export.h"
#include "ui/output/diagram_export.h"
#include "ui/results/diagram_page.h"
#include "ui/seams/c_numeric_locale.h"
#include "ui/seams/dialog_paths.h"
#include "ui/seams/guarded.h"

namespace cv::ui {

void ExportCalculations(const OutputContext& context) {
  const std::string projectPath = context.projectPath();
  std::optional<QString> chosen = context.seams.files->OutputFileName(
      context.window, QStringLiteral("Export Calculations"),
      QStringLiteral("Excel Workbook (*.xlsx)"), QStringLiteral("xlsx"),
      ProposedName(projectPath, QStringLiteral(".xlsx")));
  if (!chosen) return;
  QString path = *chosen;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
  bool written = false;
  RunGuarded(*context.seams.messages, [&] {
    const CNumericLocaleHold numbers;
    const pugi::xml_document& doc = context.document();
    const CalculationTable table = BuildCalculationTable(doc);
    const ProjectFacts facts{projectPath, CurrentDateTimeText(), context.result().UnsizedCount()};
    ExportCalculationTable(table, IsMetricTable(doc), path.toStdString(),
                           SheetNameForProject(projectPath), ProjectSheetRows(doc, facts));
    written = true;
  });
  if (written) context.confirm(QStringLiteral("Calculations exported to %1").arg(path));
}

void ExportDiagram(const OutputContext& context) {
  static const QStringList filters = {QStringLiteral("SVG Drawing (*.svg)"),
                                      QStringLiteral("PDF Document (*.pdf)"),
                                      QStringLiteral("PNG Image (*.png)")};
  std::optional<QString> chosen = context.seams.files->SaveFileName(
      context.window, QStringLiteral("Export Diagram"), filters, 0,
      ProposedName(context.projectPath(), QStringLiteral(".svg")));
  if (!chosen) return;
  if (QFileInfo(*chosen).suffix().isEmpty()) *chosen += QStringLiteral(".svg");
  const auto layOut = [&context](const cv::TextMeasure& measure) {
    return LayOutProject(context.document(), context.result(), measure);
  };
  if (!ExportDiagramFile(layOut, *chosen))
    context.seams.messages->Show(
        {"The diagram is written as SVG, PDF or PNG: end the file name with .svg, "
         ".pdf or .png.",
         "Error", MessageButtons::Ok, MessageIcon::Exclamation});
}

}  // namespace cv::ui
