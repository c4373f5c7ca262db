#include "ui/output/diagram_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <iterator>

#include "core/errors.h"
#include "core/file_writes.h"
#include "reports/diagram_svg.h"
#include "ui/results/qt_diagram_canvas.h"
#include "ui/seams/overwrite_question.h"

namespace cv::ui {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kPixelsPerTwip = 96.0 / kTwipsPerInch;
constexpr double kLargestImageSide = 16000;  // pixels
constexpr size_t kSvgBytesGuess = 64 * 1024;

struct DrawingFormat {
  const char* filter;
  const char* extension;
};
// The dialog's filters, SVG preselected.
constexpr DrawingFormat kFormats[] = {
    {"SVG Drawing (*.svg)", "svg"}, {"PDF Document (*.pdf)", "pdf"}, {"PNG Image (*.png)", "png"}};

QString ExtensionOf(const QString& path) { return QFileInfo(path).suffix().toLower(); }

bool IsDrawingFile(const QString& path) {
  const QString extension = ExtensionOf(path);
  return std::any_of(std::begin(kFormats), std::end(kFormats), [&](const DrawingFormat& format) {
    return extension == QLatin1String(format.extension);
  });
}

// A name typed without an extension takes that of the filter chosen with it.
QString WithExtensionOfFilter(const SaveChoice& chosen) {
  if (!QFileInfo(chosen.name).suffix().isEmpty()) return chosen.name;
  const int filter =
      chosen.filter >= 0 && chosen.filter < int(std::size(kFormats)) ? chosen.filter : 0;
  return chosen.name + QLatin1Char('.') + QLatin1String(kFormats[filter].extension);
}

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
  const QString extension = ExtensionOf(path);
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
  QStringList filters;
  for (const DrawingFormat& format : kFormats) filters.append(QLatin1String(format.filter));
  const std::optional<SaveChoice> chosen =
      seams.files->SaveFileName(parent, caption, filters, 0, proposed);
  if (!chosen) return;
  const QString path = WithExtensionOfFilter(*chosen);
  if (!IsDrawingFile(path)) {
    seams.messages->Show(
        {"The drawing is written as SVG, PDF or PNG: end the file name with .svg, "
         ".pdf or .png.",
         "Error", MessageButtons::Ok, MessageIcon::Exclamation});
    return;
  }
  if (MayWriteOver(*seams.messages, path)) ExportDrawingFile(drawing, path);
}

}  // namespace cv::ui
