#include "ui/output/diagram_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core/errors.h"
#include "reports/diagram_drawing.h"
#include "reports/diagram_svg.h"
#include "ui/results/qt_diagram_canvas.h"

namespace cv::ui {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kPixelsPerTwip = 96.0 / kTwipsPerInch;
constexpr double kLargestImageSide = 16000;  // pixels

[[noreturn]] void CannotWrite(const QString& path) {
  cv::Raise(cv::kErrFileAccess, "the diagram could not be written to " + path.toStdString());
}

void Draw(QPainter& painter, const cv::DiagramLayout& layout) {
  painter.setRenderHint(QPainter::Antialiasing);
  QtDiagramCanvas canvas(painter);
  cv::DrawDiagram(canvas, layout);
}

void WritePdf(const cv::DiagramLayout& layout, const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(kTwipsPerInch);  // one device unit per twip
  writer.setPageSize(QPageSize(QSizeF(std::max(layout.width, 1.0) / kTwipsPerInch,
                                      std::max(layout.height, 1.0) / kTwipsPerInch),
                               QPageSize::Inch));
  writer.setPageMargins(QMarginsF());
  QPainter painter;
  if (!painter.begin(&writer)) CannotWrite(path);
  Draw(painter, layout);
  if (!painter.end()) CannotWrite(path);
}

void WritePng(const cv::DiagramLayout& layout, const QString& path) {
  const double scale = std::min({kPixelsPerTwip, kLargestImageSide / std::max(layout.width, 1.0),
                                 kLargestImageSide / std::max(layout.height, 1.0)});
  QImage image(std::max(1, static_cast<int>(layout.width * scale)),
               std::max(1, static_cast<int>(layout.height * scale)), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(scale, scale);
    Draw(painter, layout);
  }
  if (!image.save(path, "PNG")) CannotWrite(path);
}

}  // namespace

bool ExportDiagramFile(const DiagramLayOut& layOut, const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == QLatin1String("svg"))
    cv::WriteDiagramSvg(layOut(cv::TextMeasure()), path.toStdString());
  else if (extension == QLatin1String("pdf"))
    WritePdf(layOut(QtTextMeasure()), path);
  else if (extension == QLatin1String("png"))
    WritePng(layOut(QtTextMeasure()), path);
  else
    return false;
  return true;
}

}  // namespace cv::ui
