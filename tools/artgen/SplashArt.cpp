// The splash picture (500 x 375): a sunburst acoustic guitar on a dark stage with the program's
// name. Everything is drawn procedurally with a fixed random seed, so the picture regenerates
// identically.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

#include "ArtCommon.h"

namespace artgen {
namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 375;

// Guitar in its own coordinates: the body around the origin, the neck along -x, strings along x.
constexpr double kBridgeX = 150;
constexpr double kNutX = -760;
constexpr double kNeckJoinX = -112;
constexpr double kScale = 2 * (kBridgeX - kNutX);  // twice the nut-to-bridge length: 12th fret halfway

QPainterPath bodyPath() {
  QPainterPath lower, upper, waist;
  lower.addEllipse(QPointF(120, 0), 132, 126);
  upper.addEllipse(QPointF(-45, 0), 96, 100);
  waist.addRect(QRectF(-45, -84, 165, 168));
  return lower.united(upper).united(waist).simplified();
}

void grain(QPainter& p, const QRectF& area, const QColor& colour, int lines, QRandomGenerator& rng) {
  for (int i = 0; i < lines; ++i) {
    const double y = area.top() + rng.bounded(area.height());
    const double wave = 0.5 + rng.bounded(2.5);
    const double phase = rng.bounded(6.28);
    QPainterPath line;
    line.moveTo(area.left(), y);
    for (double x = area.left(); x <= area.right(); x += 8)
      line.lineTo(x, y + wave * std::sin(x / 37.0 + phase));
    QColor c = colour;
    c.setAlphaF(0.05 + rng.bounded(0.12));
    p.setPen(QPen(c, 0.6 + rng.bounded(1.2)));
    p.drawPath(line);
  }
}

double fretX(int fret) {
  return kBridgeX - (kBridgeX - kNutX) / std::pow(2.0, fret / 12.0);
}

void drawBody(QPainter& p, QRandomGenerator& rng) {
  const QPainterPath body = bodyPath();
  // Soft shadow on the stage.
  p.save();
  p.translate(10, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(body);
  p.restore();

  QRadialGradient burst(QPointF(60, 0), 190);
  burst.setColorAt(0.0, QColor(246, 190, 92));
  burst.setColorAt(0.45, QColor(222, 140, 48));
  burst.setColorAt(0.75, QColor(140, 62, 20));
  burst.setColorAt(1.0, QColor(40, 16, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(burst);
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  grain(p, QRectF(-150, -140, 420, 280), QColor(90, 40, 10), 140, rng);
  p.restore();
  // Cream binding.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(238, 226, 196), 3));
  p.drawPath(body);
  p.setPen(QPen(QColor(30, 14, 6), 1));
  p.drawPath(body);

  // Sound hole and rosette.
  const QPointF hole(-18, 0);
  for (int ring = 0; ring < 5; ++ring) {
    p.setPen(QPen(ring % 2 ? QColor(30, 20, 12) : QColor(236, 222, 190), ring == 2 ? 3 : 1.5));
    p.drawEllipse(hole, 52 - ring * 3.2, 52 - ring * 3.2);
  }
  QRadialGradient depth(hole, 40);
  depth.setColorAt(0.0, QColor(8, 4, 2));
  depth.setColorAt(1.0, QColor(30, 16, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(depth);
  p.drawEllipse(hole, 38, 38);

  // Bridge and saddle.
  QLinearGradient bridgeShade(kBridgeX - 14, 0, kBridgeX + 14, 0);
  bridgeShade.setColorAt(0, QColor(46, 26, 16));
  bridgeShade.setColorAt(1, QColor(22, 12, 8));
  p.setBrush(bridgeShade);
  p.drawRoundedRect(QRectF(kBridgeX - 8, -58, 26, 116), 8, 8);
  p.setBrush(QColor(240, 232, 210));
  p.drawRect(QRectF(kBridgeX - 1, -34, 3, 68));
}

void drawNeck(QPainter& p, QRandomGenerator& rng) {
  QPainterPath neck;
  neck.moveTo(kNeckJoinX + 40, -27);
  neck.lineTo(kNutX, -23);
  neck.lineTo(kNutX, 23);
  neck.lineTo(kNeckJoinX + 40, 27);
  neck.closeSubpath();
  QLinearGradient wood(0, -27, 0, 27);
  wood.setColorAt(0.0, QColor(44, 26, 18));
  wood.setColorAt(0.5, QColor(72, 42, 28));
  wood.setColorAt(1.0, QColor(36, 20, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(wood);
  p.drawPath(neck);
  p.save();
  p.setClipPath(neck);
  grain(p, QRectF(kNutX, -27, kNeckJoinX + 40 - kNutX, 54), QColor(10, 4, 2), 60, rng);
  p.restore();

  // Frets with a bright edge, and mother-of-pearl inlays.
  for (int fret = 1; fret <= 19; ++fret) {
    const double x = fretX(fret);
    if (x > kNeckJoinX + 36) break;
    p.setPen(QPen(QColor(150, 150, 150), 2.4));
    p.drawLine(QPointF(x, -25), QPointF(x, 25));
    p.setPen(QPen(QColor(235, 235, 235), 0.9));
    p.drawLine(QPointF(x - 0.5, -25), QPointF(x - 0.5, 25));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 226, 212));
  for (int fret : {3, 5, 7, 9, 15, 17}) {
    const double x = (fretX(fret) + fretX(fret - 1)) / 2;
    p.drawEllipse(QPointF(x, 0), 4.2, 4.2);
  }
  const double x12 = (fretX(12) + fretX(11)) / 2;
  p.drawEllipse(QPointF(x12, -11), 4.2, 4.2);
  p.drawEllipse(QPointF(x12, 11), 4.2, 4.2);
}

void drawStrings(QPainter& p) {
  for (int s = 0; s < 6; ++s) {
    const double y = -19 + s * 7.6;
    const double width = 0.8 + 0.32 * s;  // the low strings are the thick wound ones
    const QColor metal = s >= 3 ? QColor(196, 160, 104) : QColor(214, 214, 220);
    p.setPen(QPen(QColor(0, 0, 0, 120), width + 1.2));
    p.drawLine(QPointF(kNutX, y + 1.6), QPointF(kBridgeX, y * 1.05 + 1.6));
    p.setPen(QPen(metal, width));
    p.drawLine(QPointF(kNutX, y), QPointF(kBridgeX, y * 1.05));
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.5));
    p.drawLine(QPointF(kNutX, y - width / 3), QPointF(kBridgeX, y * 1.05 - width / 3));
  }
}

void drawStage(QPainter& p) {
  QLinearGradient back(0, 0, 0, kHeight);
  back.setColorAt(0.0, QColor(34, 22, 16));
  back.setColorAt(1.0, QColor(10, 7, 6));
  p.fillRect(0, 0, kWidth, kHeight, back);
  QRadialGradient glow(QPointF(150, 110), 260);
  glow.setColorAt(0.0, QColor(120, 70, 30, 120));
  glow.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.fillRect(0, 0, kWidth, kHeight, glow);
}

void drawTitle(QPainter& p) {
  QFont title("Liberation Serif");
  title.setBold(true);
  title.setItalic(true);
  title.setPixelSize(76);
  p.setFont(title);
  const QPointF at(30, 112);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(at + QPointF(3, 3), "Strumly");
  QLinearGradient gold(0, 50, 0, 115);
  gold.setColorAt(0.0, QColor(255, 240, 205));
  gold.setColorAt(1.0, QColor(226, 178, 98));
  p.setPen(QPen(QBrush(gold), 1));
  p.drawText(at, "Strumly");

  p.setPen(QPen(QColor(214, 170, 100), 1.2));
  p.drawLine(QPointF(34, 130), QPointF(262, 130));
  QFont sub("Liberation Sans");
  sub.setPixelSize(14);
  sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(sub);
  p.setPen(QColor(226, 208, 176));
  p.drawText(QPointF(34, 152), "CHORDS  \u00B7  SCALES  \u00B7  TAB  \u00B7  PLAY");
}

}  // namespace

bool writeSplash(const QString& images) {
  QImage image(kWidth * scale(), kHeight * scale(), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale());
  QRandomGenerator rng(0x5712u);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawStage(p);
  p.save();
  p.translate(372, 318);
  p.rotate(107);
  p.scale(0.82, 0.82);
  drawBody(p, rng);
  drawNeck(p, rng);
  drawStrings(p);
  p.restore();
  drawTitle(p);
  p.end();
  return save(image, images, "SPLASH");
}

}  // namespace artgen
