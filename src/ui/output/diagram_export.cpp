#include "ui/output/diagram_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core/errors.h"
#include "core/file_writes.h"
#include "reports/diagram_svg.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kPixelsPerTwip = 96.0 / kTwipsPerInch;
constexpr double kLargestImageSide = 16000;  // pixels
constexpr size_t kSvgBytesGuess = 64 * 1024;

[[noreturn]] void CannotWrite(const QString& path) {
  cv::Raise(cv::kErrFileAccess, "the drawing could not be written to " + path.toStdString());
}

void Draw(QPainter& painter, const CanvasDrawing& drawing) {
  painter.setRenderHint(QPainter::Antialiasing);
  QtDiagramCanvas canvas(painter);
  drawing.draw(canvas);
}

void WritePdf(const CanvasDrawing& drawing, const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(kTwipsPerInch);  // one device unit per twip
  writer.setPageSize(QPageSize(QSizeF(std::max(drawing.width, 1.0) / kTwipsPerInch,
                                      std::max(drawing.height, 1.0) / kTwipsPerInch),
                               QPageSize::Inch));
  writer.setPageMargins(QMarginsF());
  QPainter painter;
  if (!painter.begin(&writer)) CannotWrite(path);
  Draw(painter, drawing);
  if (!painter.end()) CannotWrite(path);
}

void WritePng(const CanvasDrawing& drawing, const QString& path) {
  const double scale = std::min({kPixelsPerTwip, kLargestImageSide / std::max(drawing.width, 1.0),
                                 kLargestImageSide / std::max(drawing.height, 1.0)});
  QImage image(std::max(1, static_cast<int>(drawing.width * scale)),
               std::max(1, static_cast<int>(drawing.height * scale)), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(scale, scale);
    Draw(painter, drawing);
  }
  if (!image.save(path, "PNG")) CannotWrite(path);
}

}  // namespace

bool ExportDrawingFile(const DrawingFor& drawingFor, const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("svg")) {
    const CanvasDrawing drawing = drawingFor(cv::TextMeasure());
    cv::WriteFileReplacing(path.toStdString(), cv::CanvasSvg(drawing.width, drawing.height,
                                                             kSvgBytesGuess, drawing.draw));
  } else if (extension == QLatin1String("pdf")) {
    WritePdf(drawingFor(QtTextMeasure()), path);
  } else if (extension == QLatin1String("png")) {
    WritePng(drawingFor(QtTextMeasure()), path);
  } else {
    return false;
  }
  return true;
}

void ExportDrawingAs(QWidget* parent, const Seams& seams, const QString& caption,
                     const QString& proposed, const DrawingFor& drawing) {
  static const QStringList filters = {QStringLiteral("SVG Drawing (*.svg)"),
                                      QStringLiteral("PDF Document (*.pdf)"),
                                      QStringLiteral("PNG Image (*.png)")};
  std::optional<QString> chosen = seams.files->SaveFileName(parent, caption, filters, 0, proposed);
  if (!chosen) return;
  if (QFileInfo(*chosen).suffix().isEmpty()) *chosen += QStringLiteral(".svg");
  if (!ExportDrawingFile(drawing, *chosen))
    seams.messages->Show(
        {"The drawing is written as SVG, PDF or PNG: end the file name with .svg, "
         ".pdf or .png.",
         "Error", MessageButtons::Ok, MessageIcon::Exclamation});
}

}  // namespace cv::ui
