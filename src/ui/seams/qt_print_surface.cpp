#include "ui/seams/qt_print_surface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

#include "core/errors.h"

namespace cv::ui {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
// Connector lines: one pixel at 96 per inch.
constexpr double kLineWidthTwips = 15;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

QFont PrintFont(const QString& name) {
  QFont font(name);
  const bool fixedPitch = name.contains(QStringLiteral("Courier"), Qt::CaseInsensitive);
  font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
  font.setFixedPitch(fixedPitch);
  font.setPointSizeF(10);
  return font;
}

QtPrintSurface::QtPrintSurface(QPrinter& printer, PictureSource pictures)
    : printer_(printer), pictures_(std::move(pictures)), font_(PrintFont("Arial")) {}

QtPrintSurface::~QtPrintSurface() {
  if (painter_.isActive()) painter_.end();
}

bool QtPrintSurface::PrintsToFile() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

void QtPrintSurface::BeginDrawing() {
  if (!painter_.isActive()) {
    if (!painter_.begin(&printer_))
      cv::Raise(cv::kErrFileAccess, "the printer could not be started");
    pageWanted_ = false;
  } else if (pageWanted_) {
    if (!printer_.newPage()) cv::Raise(cv::kErrFileAccess, "the printer refused a new page");
    pageWanted_ = false;
  }
  painter_.setFont(font_);
  painter_.setPen(QPen(ink_, ToDevice(inkWidth_ > 0 ? inkWidth_ : kLineWidthTwips)));
  painter_.setClipRect(clip_, clip_.isEmpty() ? Qt::NoClip : Qt::ReplaceClip);
}

void QtPrintSurface::SetOrientation(cv::PageOrientation orientation) {
  printer_.setPageOrientation(orientation == cv::PageOrientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
}

void QtPrintSurface::SetFontName(const std::string& name) {
  const QFont named = PrintFont(FromUtf8(name));
  font_.setFamily(named.family());
  font_.setStyleHint(named.styleHint());
  font_.setFixedPitch(named.fixedPitch());
}

void QtPrintSurface::SetFontSize(double points) { font_.setPointSizeF(points); }
void QtPrintSurface::SetFontBold(bool bold) { font_.setBold(bold); }
void QtPrintSurface::SetFontUnderline(bool underline) { font_.setUnderline(underline); }

double QtPrintSurface::ToDevice(double twips) const {
  return twips * printer_.resolution() / kTwipsPerInch;
}

double QtPrintSurface::ToTwips(double device) const {
  return device * kTwipsPerInch / printer_.resolution();
}

void QtPrintSurface::PrintInline(const std::string& text) {
  BeginDrawing();
  const QFontMetricsF metrics(font_, &printer_);
  const QString qtext = FromUtf8(text);
  painter_.drawText(QPointF(ToDevice(x_), ToDevice(y_) + metrics.ascent()), qtext);
  x_ += ToTwips(metrics.horizontalAdvance(qtext));
}

void QtPrintSurface::NewLine() {
  x_ = 0;
  y_ += TextHeight("X");
}

double QtPrintSurface::TextWidth(const std::string& text) const {
  return ToTwips(QFontMetricsF(font_, &printer_).horizontalAdvance(FromUtf8(text)));
}

double QtPrintSurface::TextHeight(const std::string& text) const {
  const double lines = 1 + std::count(text.begin(), text.end(), '\n');
  return lines * ToTwips(QFontMetricsF(font_, &printer_).lineSpacing());
}

QImage QtPrintSurface::Picture(const std::string& key) const {
  QImage image = pictures_ ? pictures_(FromUtf8(key)) : QImage();
  if (image.isNull()) cv::Raise(cv::kErrFileNotFound, key);
  return image;
}

void QtPrintSurface::DrawPicture(const std::string& key, double x, double y) {
  const QImage image = Picture(key);
  const QSizeF own = image.deviceIndependentSize();
  DrawPicture(key, x, y, own.width() * kTwipsPerPixel, own.height() * kTwipsPerPixel);
}

void QtPrintSurface::DrawPicture(const std::string& key, double x, double y, double width,
                                 double height) {
  const QImage image = Picture(key);
  BeginDrawing();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.drawImage(QRectF(ToDevice(x), ToDevice(y), ToDevice(width), ToDevice(height)), image);
}

void QtPrintSurface::DrawLine(double x1, double y1, double x2, double y2) {
  BeginDrawing();
  painter_.drawLine(QPointF(ToDevice(x1), ToDevice(y1)), QPointF(ToDevice(x2), ToDevice(y2)));
}

void QtPrintSurface::SetInk(cv::Colour colour, double widthTwips) {
  ink_ = QColor(colour.red, colour.green, colour.blue);
  inkWidth_ = widthTwips;
}

void QtPrintSurface::FillBox(double x, double y, double width, double height, cv::Colour colour) {
  BeginDrawing();
  painter_.fillRect(QRectF(ToDevice(x), ToDevice(y), ToDevice(width), ToDevice(height)),
                    QColor(colour.red, colour.green, colour.blue));
}

void QtPrintSurface::SetClip(double x, double y, double width, double height) {
  clip_ = QRectF(ToDevice(x), ToDevice(y), ToDevice(width), ToDevice(height));
}

void QtPrintSurface::ClearClip() { clip_ = QRectF(); }

void QtPrintSurface::NewPage() {
  // A page is begun only when something is drawn on it, so an ended
  // document followed by nothing leaves no empty page behind.
  BeginDrawing();
  pageWanted_ = true;
  x_ = y_ = 0;
}

void QtPrintSurface::EndDocument() {
  x_ = y_ = 0;
  SetInk(cv::kDiagramInk, 0);
  ClearClip();
  if (!painter_.isActive()) return;
  if (PrintsToFile()) {
    pageWanted_ = true;
    return;
  }
  if (!painter_.end()) cv::Raise(cv::kErrFileAccess, "the printer did not take the document");
}

double QtPrintSurface::PageWidth() const {
  return printer_.pageLayout().paintRect(QPageLayout::Point).width() * kTwipsPerPoint;
}

double QtPrintSurface::PageHeight() const {
  return printer_.pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
}

}  // namespace cv::ui
