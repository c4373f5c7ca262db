#include "ui/access/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>

namespace cv::ui {
namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the wanted size: a
// coloured tile that tells kinds apart at a glance, and a white glyph.
using Glyph = std::function<void(QPainter&)>;

struct Picture {
  QColor tile;
  Glyph glyph;
};

QPainterPath Flame(double cx, double bottom, double height) {
  QPainterPath path;
  const double w = height * 0.45;
  path.moveTo(cx, bottom - height);
  path.cubicTo(cx + w, bottom - height * 0.55, cx + w, bottom, cx, bottom);
  path.cubicTo(cx - w, bottom, cx - w, bottom - height * 0.5, cx - w * 0.2, bottom - height * 0.7);
  path.cubicTo(cx - w * 0.1, bottom - height * 0.45, cx, bottom - height * 0.5, cx,
               bottom - height);
  return path;
}

void FillWhite(QPainter& p, const QPainterPath& path) { p.fillPath(path, Qt::white); }

void Furnace(QPainter& p) {
  p.drawRect(QRectF(7, 6, 18, 21));
  FillWhite(p, Flame(16, 24, 13));
}

void Valve(QPainter& p) {
  QPainterPath bowtie;
  bowtie.moveTo(5, 9);
  bowtie.lineTo(16, 16);
  bowtie.lineTo(5, 23);
  bowtie.closeSubpath();
  bowtie.moveTo(27, 9);
  bowtie.lineTo(16, 16);
  bowtie.lineTo(27, 23);
  bowtie.closeSubpath();
  FillWhite(p, bowtie);
  p.drawLine(QPointF(16, 16), QPointF(16, 6));
  p.drawLine(QPointF(11, 6), QPointF(21, 6));
}

void Manifold(QPainter& p) {
  p.drawLine(QPointF(4, 11), QPointF(28, 11));
  for (double x : {8.0, 16.0, 24.0}) p.drawLine(QPointF(x, 11), QPointF(x, 25));
}

void Tee(QPainter& p) {
  QPen pen = p.pen();
  pen.setWidthF(5);
  p.setPen(pen);
  p.drawLine(QPointF(5, 10), QPointF(27, 10));
  p.drawLine(QPointF(16, 10), QPointF(16, 27));
}

void Boiler(QPainter& p) {
  p.drawRoundedRect(QRectF(8, 4, 16, 24), 5, 5);
  for (double y : {13.0, 19.0}) {
    QPainterPath wave;
    wave.moveTo(11, y);
    wave.cubicTo(13, y - 3, 15, y + 3, 16, y);
    wave.cubicTo(17, y - 3, 19, y + 3, 21, y);
    p.drawPath(wave);
  }
}

void Range(QPainter& p) {
  p.drawRect(QRectF(5, 5, 22, 22));
  for (double x : {11.0, 21.0})
    for (double y : {11.0, 21.0}) p.drawEllipse(QPointF(x, y), 3.2, 3.2);
}

void Dryer(QPainter& p) {
  p.drawRect(QRectF(6, 4, 20, 24));
  p.drawLine(QPointF(6, 9), QPointF(26, 9));
  p.drawEllipse(QPointF(16, 18.5), 6.5, 6.5);
}

void Fireplace(QPainter& p) {
  QPainterPath arch;
  arch.moveTo(6, 27);
  arch.lineTo(6, 14);
  arch.arcTo(QRectF(6, 5, 20, 18), 180, -180);
  arch.lineTo(26, 27);
  p.drawPath(arch);
  p.drawLine(QPointF(3, 27), QPointF(29, 27));
  FillWhite(p, Flame(16, 25, 11));
}

void Grill(QPainter& p) {
  QPainterPath bowl;
  bowl.moveTo(5, 12);
  bowl.arcTo(QRectF(5, 2, 22, 20), 180, 180);
  bowl.closeSubpath();
  p.drawPath(bowl);
  for (double x : {10.0, 16.0, 22.0}) p.drawLine(QPointF(x, 8), QPointF(x, 12));
  p.drawLine(QPointF(11, 21), QPointF(8, 28));
  p.drawLine(QPointF(21, 21), QPointF(24, 28));
}

void Lamp(QPainter& p) {
  p.drawEllipse(QPointF(16, 13), 8, 8);
  p.drawLine(QPointF(12.5, 22), QPointF(19.5, 22));
  p.drawLine(QPointF(13, 25), QPointF(19, 25));
  p.drawLine(QPointF(14.5, 28), QPointF(17.5, 28));
}

void RegulatorBody(QPainter& p, bool filledDome) {
  p.drawLine(QPointF(3, 23), QPointF(29, 23));
  QPainterPath dome;
  dome.moveTo(7, 16);
  dome.arcTo(QRectF(7, 6, 18, 20), 180, -180);
  dome.closeSubpath();
  if (filledDome) FillWhite(p, dome);
  p.drawPath(dome);
  p.drawLine(QPointF(16, 16), QPointF(16, 23));
}

void WaterHeater(QPainter& p) {
  p.drawRoundedRect(QRectF(9, 3, 14, 26), 4, 4);
  QPainterPath drop;
  drop.moveTo(16, 9);
  drop.cubicTo(20, 15, 20, 21, 16, 21);
  drop.cubicTo(12, 21, 12, 15, 16, 9);
  FillWhite(p, drop);
}

void Logo(QPainter& p) {
  p.drawEllipse(QPointF(16, 16), 12, 12);
  FillWhite(p, Flame(16, 25, 17));
}

void Other(QPainter& p) {
  QFont font = p.font();
  font.setPixelSize(24);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

const std::map<QString, Picture>& Pictures() {
  static const std::map<QString, Picture> pictures = {
      {QStringLiteral("Furnace"), {QColor(0xd9, 0x6a, 0x1c), Furnace}},
      {QStringLiteral("EFV"), {QColor(0xc6, 0x28, 0x28), Valve}},
      {QStringLiteral("Manifold"), {QColor(0x54, 0x6e, 0x7a), Manifold}},
      {QStringLiteral("Tee"), {QColor(0x00, 0x89, 0x7b), Tee}},
      {QStringLiteral("Boiler"), {QColor(0x8e, 0x24, 0x4a), Boiler}},
      {QStringLiteral("Range"), {QColor(0x4e, 0x34, 0x2e), Range}},
      {QStringLiteral("Dryer"), {QColor(0x6a, 0x1b, 0x9a), Dryer}},
      {QStringLiteral("Fireplace"), {QColor(0xbf, 0x36, 0x0c), Fireplace}},
      {QStringLiteral("Grill"), {QColor(0x37, 0x47, 0x4f), Grill}},
      {QStringLiteral("Lamp"), {QColor(0xc8, 0x9b, 0x00), Lamp}},
      {QStringLiteral("Regulator1"),
       {QColor(0x55, 0x8b, 0x2f), [](QPainter& p) { RegulatorBody(p, false); }}},
      {QStringLiteral("Regulator"),
       {QColor(0x2e, 0x7d, 0x32), [](QPainter& p) { RegulatorBody(p, true); }}},
      {QStringLiteral("Water Heater"), {QColor(0x15, 0x65, 0xc0), WaterHeater}},
      {QStringLiteral("kestLogo"), {QColor(0x0d, 0x47, 0xa1), Logo}},
      {QStringLiteral("Other"), {QColor(0x75, 0x75, 0x75), Other}},
  };
  return pictures;
}

// A warning triangle over the lower right half of a picture drawn on the
// 32 x 32 grid at the scale.
void DrawWarningSign(QPixmap& picture, double s) {
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(23 * s, 12 * s);
  triangle.lineTo(32 * s, 31 * s);
  triangle.lineTo(14 * s, 31 * s);
  triangle.closeSubpath();
  p.fillPath(triangle, QColor(250, 200, 0));
  p.setPen(QPen(Qt::black, 1.5 * s));
  p.drawPath(triangle);
  p.drawLine(QPointF(23 * s, 18 * s), QPointF(23 * s, 25 * s));
  p.drawPoint(QPointF(23 * s, 28 * s));
}

}  // namespace

const QStringList& ImageKeys() {
  static const QStringList keys = {
      QStringLiteral("Furnace"),      QStringLiteral("EFV"),        QStringLiteral("Manifold"),
      QStringLiteral("Tee"),          QStringLiteral("Boiler"),     QStringLiteral("Range"),
      QStringLiteral("Dryer"),        QStringLiteral("Fireplace"),  QStringLiteral("Grill"),
      QStringLiteral("Lamp"),         QStringLiteral("Regulator1"), QStringLiteral("Regulator"),
      QStringLiteral("Water Heater"), QStringLiteral("kestLogo"),   QStringLiteral("Other")};
  return keys;
}

QPixmap DeviceImage(const QString& key, int size) {
  const auto& pictures = Pictures();
  auto found = pictures.find(key);
  const Picture& picture =
      found != pictures.end() ? found->second : pictures.at(QStringLiteral("Other"));
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(picture.tile);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
  QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  picture.glyph(painter);
  return pixmap;
}

namespace {

QIcon DrawnIcon(const QString& key, bool failed) {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap picture = DeviceImage(key, size);
    if (failed) DrawWarningSign(picture, size / 32.0);
    icon.addPixmap(picture);
  }
  return icon;
}

// Every tree item of a kind shares one icon, drawn once. The cache lives
// as long as the program; its pixmaps must not outlive the application
// object in a static destructor.
QIcon CachedIcon(const QString& key, bool failed) {
  static auto* cache = new std::map<std::pair<QString, bool>, QIcon>();
  auto [it, added] = cache->try_emplace({key, failed});
  if (added) it->second = DrawnIcon(key, failed);
  return it->second;
}

}  // namespace

QIcon DeviceIcon(const QString& key) { return CachedIcon(key, false); }

QIcon FailedDeviceIcon(const QString& key) { return CachedIcon(key, true); }

}  // namespace cv::ui
