// Pictures of the Play page beat band (33 px high under each row of slots) and the tab page
// markers. The tab markers are AND-combined with the page, so white is see-through and the
// black tab text always shows through a tinted area.
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "ArtCommon.h"

namespace artgen {
namespace {

constexpr int kBandHeight = 33;
constexpr int kBarTop = 3;
constexpr int kBarBottom = 29;  // inclusive
const QColor kBeatRed(208, 32, 26);
const QColor kStepBlue(30, 96, 200);
const QColor kStartGreen(24, 150, 60);

QImage beatSlash(const QColor& colour) {
  QImage image = whiteImage(28, kBandHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath slash;  // the slash of rhythm notation: a thick stroke rising to the right
  slash.moveTo(7, 25);
  slash.lineTo(16, 7);
  slash.lineTo(21, 7);
  slash.lineTo(12, 25);
  slash.closeSubpath();
  p.drawPath(slash);
  return image;
}

QImage stepArrow() {
  QImage image = whiteImage(28, kBandHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kStepBlue);
  QPainterPath arrow;  // points up at the chord being stepped to
  arrow.moveTo(14, 2);
  arrow.lineTo(24, 14);
  arrow.lineTo(17.5, 14);
  arrow.lineTo(17.5, 30);
  arrow.lineTo(10.5, 30);
  arrow.lineTo(10.5, 14);
  arrow.lineTo(4, 14);
  arrow.closeSubpath();
  p.drawPath(arrow);
  return image;
}

QImage narrow() {
  return whiteImage(8, kBandHeight);
}

QImage playStart() {
  QImage image = narrow();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kStartGreen);
  QPainterPath tri;
  tri.moveTo(0.5, 8);
  tri.lineTo(7.5, 16.5);
  tri.lineTo(0.5, 25);
  tri.closeSubpath();
  p.drawPath(tri);
  return image;
}

void repeatDots(QPainter& p, double x) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QRectF(x, 10, 2.6, 2.6));
  p.drawEllipse(QRectF(x, 20, 2.6, 2.6));
  p.setRenderHint(QPainter::Antialiasing, false);
}

QImage startRepeat() {
  QImage image = narrow();
  QPainter p(&image);
  p.fillRect(0, kBarTop, 2, kBarBottom - kBarTop + 1, kInk);
  p.fillRect(3, kBarTop, 1, kBarBottom - kBarTop + 1, kInk);
  repeatDots(p, 5);
  return image;
}

QImage endRepeat() {
  QImage image = narrow();
  QPainter p(&image);
  repeatDots(p, 0.4);
  p.fillRect(4, kBarTop, 1, kBarBottom - kBarTop + 1, kInk);
  p.fillRect(6, kBarTop, 2, kBarBottom - kBarTop + 1, kInk);
  return image;
}

QImage loopSign() {
  QImage image = narrow();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kStepBlue, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  // A circling arrow: most of a ring with its head at the top.
  p.drawArc(QRectF(1, 12.5, 6, 8), 100 * 16, 290 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kStepBlue);
  QPainterPath head;
  head.moveTo(5.8, 10.2);
  head.lineTo(5.8, 15.2);
  head.lineTo(2.6, 12.6);
  head.closeSubpath();
  p.drawPath(head);
  return image;
}

QImage barLine() {
  QImage image = whiteImage(1, kBandHeight);
  QPainter p(&image);
  p.fillRect(0, kBarTop, 1, kBarBottom - kBarTop + 1, kInk);
  return image;
}

QImage timeSignature(const QString& top, const QString& bottom) {
  QImage image = whiteImage(16, kBandHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Liberation Serif");
  font.setBold(true);
  font.setPixelSize(17);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRect(0, 0, 16, 17), Qt::AlignHCenter | Qt::AlignVCenter, top);
  p.drawText(QRect(0, 15, 16, 17), Qt::AlignHCenter | Qt::AlignVCenter, bottom);
  return image;
}

// Tab markers: a coloured rule down the six lines with a small flag at the top showing which way
// the range runs.
QImage tabMarker(const QColor& colour, bool pointsRight) {
  QImage image = whiteImage(15, 120);
  QPainter p(&image);
  const int ruleX = pointsRight ? 4 : 9;
  p.fillRect(ruleX, 2, 2, 114, colour);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath flag;
  const double tip = pointsRight ? 14.5 : 0.5;
  const double base = pointsRight ? ruleX + 2 : ruleX;
  flag.moveTo(base, 0);
  flag.lineTo(tip, 3.5);
  flag.lineTo(base, 7);
  flag.closeSubpath();
  p.drawPath(flag);
  p.fillRect(pointsRight ? ruleX : ruleX - 3, 114, 5, 2, colour);
  return image;
}

QImage tabCursor() {
  QImage image = whiteImage(10, 102);
  image.fill(QColor(176, 206, 255));
  QPainter p(&image);
  p.setPen(QColor(60, 110, 200));
  p.drawRect(0, 0, 9, 101);
  return image;
}

}  // namespace

bool writePageArt(const QString& images) {
  return save(beatSlash(kInk), images, "BLAKSLAS") && save(beatSlash(kBeatRed), images, "REDSLASH") &&
         save(stepArrow(), images, "STEPARRW") && save(playStart(), images, "PLAYCURS") &&
         save(narrow(), images, "PLAYERAS") && save(startRepeat(), images, "RETURN") &&
         save(endRepeat(), images, "REPEAT") && save(loopSign(), images, "PLAYLOOP") &&
         save(barLine(), images, "BARLINE") && save(timeSignature("4", "4"), images, "FOURFOUR") &&
         save(timeSignature("3", "4"), images, "TREEFOUR") &&
         save(tabMarker(QColor(0, 150, 60), true), images, "TABSTART") &&
         save(tabMarker(QColor(200, 30, 30), false), images, "TABEND") &&
         save(tabCursor(), images, "TABCURSR");
}

}  // namespace artgen
