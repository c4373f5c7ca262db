// Draws the program's pictures: the logo printed at the top of every
// printout (crvntlogo.bmp), the splash window's product picture and the
// window icon, run once by hand into data/ where they are kept; and the
// desktop icons (scalable and 48, 128 and 256 pixels), drawn at build time
// for the installed program.
//
//   corvanta-make-artwork DATA_FOLDER
//   corvanta-make-artwork --icons FOLDER
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>

#include "core/command_usage.h"

namespace {

const QColor kNavy(16, 48, 96);
const QColor kSteel(96, 112, 128);
const QColor kFlameOuter(240, 120, 16);
const QColor kFlameInner(255, 200, 40);

QPainterPath Flame(double cx, double bottom, double height) {
  QPainterPath path;
  const double w = height * 0.42;
  path.moveTo(cx, bottom - height);
  path.cubicTo(cx + w * 1.1, bottom - height * 0.55, cx + w, bottom, cx, bottom);
  path.cubicTo(cx - w, bottom, cx - w * 1.1, bottom - height * 0.45, cx - w * 0.25,
               bottom - height * 0.72);
  path.cubicTo(cx - w * 0.1, bottom - height * 0.45, cx + w * 0.1, bottom - height * 0.6, cx,
               bottom - height);
  return path;
}

// The mark: a navy rounded tile with a two-tone flame over a wavy tube.
void DrawMark(QPainter& p, const QRectF& box) {
  const double s = box.width();
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawRoundedRect(box, s * 0.18, s * 0.18);
  const double cx = box.center().x();
  const double bottom = box.top() + s * 0.70;
  p.setBrush(kFlameOuter);
  p.drawPath(Flame(cx, bottom, s * 0.56));
  p.setBrush(kFlameInner);
  p.drawPath(Flame(cx, bottom, s * 0.30));
  // Corrugated tubing along the bottom of the tile.
  QPen tube(QColor(230, 190, 60), s * 0.07, Qt::SolidLine, Qt::RoundCap);
  p.setPen(tube);
  QPainterPath wave;
  const double y = box.top() + s * 0.83;
  wave.moveTo(box.left() + s * 0.14, y);
  for (int i = 0; i < 6; ++i) {
    const double x0 = box.left() + s * (0.14 + 0.12 * i);
    wave.quadTo(x0 + s * 0.03, y - s * 0.04, x0 + s * 0.06, y);
    wave.quadTo(x0 + s * 0.09, y + s * 0.04, x0 + s * 0.12, y);
  }
  p.setBrush(Qt::NoBrush);
  p.drawPath(wave);
}

QImage Logo() {
  QImage image(696, 160, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawMark(p, QRectF(12, 12, 136, 136));
  QFont word("DejaVu Sans", 1, QFont::Bold);
  word.setPixelSize(78);
  word.setLetterSpacing(QFont::PercentageSpacing, 104);
  p.setFont(word);
  p.setPen(kNavy);
  p.drawText(QRectF(168, 4, 520, 96), Qt::AlignLeft | Qt::AlignBottom, "CORVANTA");
  p.fillRect(QRectF(170, 104, 510, 5), kFlameOuter);
  QFont tag("DejaVu Sans", 1);
  tag.setPixelSize(30);
  p.setFont(tag);
  p.setPen(kSteel);
  p.drawText(QRectF(170, 112, 520, 44), Qt::AlignLeft | Qt::AlignVCenter, "Fuel-Gas Piping Sizing");
  return image;
}

// The product picture: a coil of corrugated tubing with a brass fitting.
QImage ProductPicture() {
  QImage image(256, 256, QImage::Format_RGB888);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 256);
  sky.setColorAt(0, QColor(232, 238, 246));
  sky.setColorAt(1, QColor(196, 208, 224));
  p.fillRect(image.rect(), sky);
  const QPointF centre(128, 122);
  QPainterPath coil;
  const int steps = 720;
  for (int i = 0; i <= steps; ++i) {
    const double t = i * 3.0 * 2 * M_PI / steps;  // three turns
    const double r = 28 + 26 * t / (2 * M_PI);
    const QPointF pt(centre.x() + r * std::cos(t), centre.y() + r * std::sin(t) * 0.8);
    i == 0 ? coil.moveTo(pt) : coil.lineTo(pt);
  }
  p.setPen(QPen(QColor(120, 90, 20), 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(coil);
  p.setPen(QPen(QColor(236, 196, 64), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(coil);
  // The corrugations: short dark ticks across the tube.
  p.setPen(QPen(QColor(150, 110, 20), 1.6));
  for (double len = 0; len < coil.length(); len += 6) {
    const double at = coil.percentAtLength(len);
    const QPointF pt = coil.pointAtPercent(at);
    const double angle = (90 - coil.angleAtPercent(at)) * M_PI / 180;
    const QPointF d(5.5 * std::cos(angle), 5.5 * std::sin(angle));
    p.drawLine(pt - d, pt + d);
  }
  // A brass nut on the free end.
  const QPointF end = coil.pointAtPercent(1);
  p.setPen(QPen(QColor(110, 80, 10), 2));
  p.setBrush(QColor(200, 160, 60));
  p.drawRoundedRect(QRectF(end.x() - 4, end.y() - 14, 26, 28), 4, 4);
  p.setBrush(QColor(170, 130, 40));
  p.drawRect(QRectF(end.x() + 22, end.y() - 8, 14, 16));
  return image;
}

// The icon leaves a small margin around the mark, as desktop icons do.
void PaintIcon(QPaintDevice& device, int size) {
  QPainter p(&device);
  p.setRenderHint(QPainter::Antialiasing);
  DrawMark(p, QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  PaintIcon(image, size);
  return image;
}

bool SaveScalableIcon(const QString& path) {
  const int size = 256;
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(size, size));
  svg.setViewBox(QRect(0, 0, size, size));
  svg.setTitle("CORVANTA Sizing Program");
  PaintIcon(svg, size);
  return QFile::exists(path);
}

bool SaveDataPictures(const QDir& out) {
  return Logo().save(out.filePath("crvntlogo.bmp"), "BMP") &&
         ProductPicture().save(out.filePath("corvanta_product.png"), "PNG") &&
         Icon(128).save(out.filePath("corvanta.png"), "PNG");
}

bool SaveDesktopIcons(const QDir& out) {
  for (int size : {48, 128, 256})
    if (!Icon(size).save(out.filePath(QString("corvanta-%1.png").arg(size)), "PNG")) return false;
  return SaveScalableIcon(out.filePath("corvanta.svg"));
}

}  // namespace

int main(int argc, char** argv) {
  constexpr const char* kProgram = "corvanta-make-artwork";
  constexpr const char* kUsage =
      "Usage: corvanta-make-artwork [--icons] FOLDER\n"
      "\n"
      "Draws the logo, the product picture and the icon into FOLDER; with --icons,\n"
      "the desktop icons at every size.\n";
  if (auto status = cv::AnswerHelpOrBadOption(argc, argv, kProgram, kUsage, {"--icons"}))
    return *status;
  if (argc != 2 && !(argc == 3 && std::string_view(argv[1]) == "--icons"))
    return cv::RefuseUsage(kProgram, "one folder is needed", kUsage);
  QGuiApplication app(argc, argv);
  const bool icons = argc == 3 && QString(argv[1]) == "--icons";
  const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
  const bool ok = icons ? SaveDesktopIcons(out) : SaveDataPictures(out);
  if (!ok) std::fprintf(stderr, "could not write the pictures\n");
  return ok ? 0 : 1;
}
