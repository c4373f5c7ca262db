#include "ui/results/qt_diagram_canvas.h"

#include <QPainter>
#include <cmath>
#include <map>

#include "ui/access/icons.h"

namespace cv::ui {
namespace {

constexpr double kTwipsPerPoint = 20;
constexpr int kIconPixels = 64;

QColor ToQColor(cv::Colour colour) { return QColor(colour.red, colour.green, colour.blue); }

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each kind's picture is drawn once, fine enough for a close zoom.
const QPixmap& IconPixmap(const QString& key) {
  static auto* pictures = new std::map<QString, QPixmap>();
  auto [it, added] = pictures->try_emplace(key);
  if (added) it->second = DeviceImage(key, kIconPixels);
  return it->second;
}

// The font at full size: one pixel per twip, the painter's transform
// scales it with the drawing.
QFont DiagramFont(const cv::CanvasFont& font) {
  QFont qfont(QStringLiteral("Arial"));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPixelSize(static_cast<int>(std::lround(font.points * kTwipsPerPoint)));
  qfont.setBold(font.bold);
  return qfont;
}

}  // namespace

double QtTextMeasure::TextWidth(std::string_view text, const cv::CanvasFont& font) const {
  const std::pair key(font.points, font.bold);
  auto it = metrics_.find(key);
  if (it == metrics_.end()) it = metrics_.emplace(key, QFontMetricsF(DiagramFont(font))).first;
  return it->second.horizontalAdvance(ToQString(text));
}

void QtDiagramCanvas::DrawLine(double x1, double y1, double x2, double y2, cv::Colour colour,
                               double width) {
  painter_.setPen(QPen(ToQColor(colour), width, Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtDiagramCanvas::DrawBox(double x, double y, double width, double height, cv::Colour stroke,
                              cv::Colour fill, double lineWidth) {
  painter_.setPen(QPen(ToQColor(stroke), lineWidth));
  painter_.setBrush(ToQColor(fill));
  painter_.drawRect(QRectF(x, y, width, height));
  painter_.setBrush(Qt::NoBrush);
}

void QtDiagramCanvas::DrawText(double x, double y, std::string_view text,
                               const cv::CanvasFont& font, cv::Colour colour) {
  painter_.setFont(DiagramFont(font));
  painter_.setPen(ToQColor(colour));
  const double height = cv::DiagramLineHeight(font);
  painter_.drawText(QRectF(x, y, TextWidth(text, font) * 2, height),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ToQString(text));
}

void QtDiagramCanvas::DrawIcon(std::string_view iconKey, double x, double y, double size) {
  const QPixmap& picture = IconPixmap(ToQString(iconKey));
  painter_.drawPixmap(QRectF(x, y, size, size), picture, QRectF(picture.rect()));
}

}  // namespace cv::ui
