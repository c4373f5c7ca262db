#include "ui/output/export_commands.h"

#include <QFileInfo>
#include <memory>

#include "reports/calculation_table.h"
#include "reports/diagram_drawing.h"
#include "reports/profile_drawing.h"
#include "reports/xlsx_export.h"
#include "ui/editor/project_editor.h"
#include "ui/output/diagram_export.h"
#include "ui/results/diagram_page.h"
#include "ui/results/profile_page.h"
#include "ui/seams/c_numeric_locale.h"
#include "ui/seams/dialog_paths.h"
#include "ui/seams/guarded.h"

namespace cv::ui {

void ExportCalculations(const OutputContext& context) {
  const std::string projectPath = context.editor->Path();
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
    const pugi::xml_document& doc = context.editor->Doc();
    const CalculationTable table = BuildCalculationTable(doc);
    const ProjectFacts facts{projectPath, CurrentDateTimeText(),
                             context.editor->Result().UnsizedCount()};
    ExportCalculationTable(table, IsMetricTable(doc), path.toStdString(),
                           SheetNameForProject(projectPath), ProjectSheetRows(doc, facts));
    written = true;
  });
  if (written) context.confirm(QStringLiteral("Calculations exported to %1").arg(path));
}

void ExportDiagram(const OutputContext& context) {
  ProjectEditor& editor = *context.editor;
  ExportDrawingAs(context.window, context.seams, QStringLiteral("Export Diagram"),
                  ProposedName(editor.Path(), QStringLiteral(".svg")),
                  [&editor](const cv::TextMeasure& measure) {
                    auto layout = std::make_shared<const cv::DiagramLayout>(
                        LayOutProject(editor.Doc(), editor.Result(), measure));
                    return CanvasDrawing{
                        layout->width, layout->height,
                        [layout](cv::DiagramCanvas& canvas) { cv::DrawDiagram(canvas, *layout); }};
                  });
}

void ExportProfile(const OutputContext& context) {
  const std::optional<cv::PressureProfile> profile = context.profilePage->Profile();
  if (!profile) {
    context.seams.messages->Show(
        {ProfilePage::kNoProfileText, "Error", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  ExportDrawingAs(context.window, context.seams, QStringLiteral("Export Pressure Profile"),
                  ProposedName(context.editor->Path(), QStringLiteral(" profile.svg")),
                  [&profile](const cv::TextMeasure&) {
                    return CanvasDrawing{cv::kProfileWidth, cv::kProfileHeight,
                                         [&profile](cv::DiagramCanvas& canvas) {
                                           cv::DrawPressureProfile(canvas, *profile);
                                         }};
                  });
}

}  // namespace cv::ui
