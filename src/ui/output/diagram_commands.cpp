// File › "Export Diagram…" and "Export Pressure Profile…": the diagram of
// the calculated network, or the profile the page shows, written as SVG,
// PDF or PNG, chosen by the file name's extension.
#include <memory>

#include "reports/diagram_drawing.h"
#include "reports/profile_drawing.h"
#include "ui/files/recent_files.h"
#include "ui/output/diagram_export.h"
#include "ui/results/diagram_page.h"
#include "ui/results/profile_page.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

void MainWindow::ExportDiagram_Click() {
  ExportDrawingAs(
      this, seams_, QStringLiteral("Export Diagram"),
      ProposedName(state_.ProjectPath, QStringLiteral(".svg")),
      [this](const cv::TextMeasure& measure) {
        auto layout =
            std::make_shared<const cv::DiagramLayout>(LayOutProject(document_, result_, measure));
        return CanvasDrawing{layout->width, layout->height, [layout](cv::DiagramCanvas& canvas) {
                               cv::DrawDiagram(canvas, *layout);
                             }};
      });
}

void MainWindow::ExportProfile_Click() {
  const std::optional<cv::PressureProfile> profile = profilePage_->Profile();
  if (!profile) {
    Messages().Show(
        {ProfilePage::kNoProfileText, "Error", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  ExportDrawingAs(this, seams_, QStringLiteral("Export Pressure Profile"),
                  ProposedName(state_.ProjectPath, QStringLiteral(" profile.svg")),
                  [&profile](const cv::TextMeasure&) {
                    return CanvasDrawing{cv::kProfileWidth, cv::kProfileHeight,
                                         [&profile](cv::DiagramCanvas& canvas) {
                                           cv::DrawPressureProfile(canvas, *profile);
                                         }};
                  });
}

}  // namespace cv::ui
