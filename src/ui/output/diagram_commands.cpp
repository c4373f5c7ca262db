// File › "Export Diagram…": the diagram of the calculated network written
// as SVG, PDF or PNG, chosen by the file name's extension.
#include <QFileInfo>

#include "ui/files/recent_files.h"
#include "ui/output/diagram_export.h"
#include "ui/results/diagram_page.h"
#include "ui/windows/main_window.h"

namespace cv::ui {

void MainWindow::ExportDiagram_Click() {
  static const QStringList filters = {QStringLiteral("SVG Drawing (*.svg)"),
                                      QStringLiteral("PDF Document (*.pdf)"),
                                      QStringLiteral("PNG Image (*.png)")};
  std::optional<QString> chosen =
      seams_.files->SaveFileName(this, QStringLiteral("Export Diagram"), filters, 0,
                                 ProposedName(state_.ProjectPath, QStringLiteral(".svg")));
  if (!chosen) return;
  // A name without an extension is written as SVG.
  if (QFileInfo(*chosen).suffix().isEmpty()) *chosen += QStringLiteral(".svg");
  const auto layOut = [this](const cv::TextMeasure& measure) {
    return LayOutProject(document_, result_, measure);
  };
  if (!ExportDiagramFile(layOut, *chosen))
    Messages().Show(
        {"The diagram is written as SVG, PDF or PNG: end the file name with .svg, "
         ".pdf or .png.",
         "Error", MessageButtons::Ok, MessageIcon::Exclamation});
}

}  // namespace cv::ui
