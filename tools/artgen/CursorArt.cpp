// The placement and link cursors (32 x 32, transparent). Each carries its hot spot as the PNG
// text "hotspot" = "x,y".
#include <QPainter>
#include <QPainterPath>

#include "ArtCommon.h"

namespace artgen {
namespace {

// The usual arrow pointer with its tip at (1, 1).
void arrow(QPainter& p) {
  QPainterPath path;  // on pixel centres so the outline stays crisp
  path.moveTo(1.5, 1.5);
  path.lineTo(1.5, 17.5);
  path.lineTo(5.5, 13.5);
  path.lineTo(8.5, 20.5);
  path.lineTo(10.5, 19.5);
  path.lineTo(7.5, 12.5);
  path.lineTo(12.5, 12.5);
  path.closeSubpath();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::white);
  p.drawPath(path);
}

// A small chord diagram card: the thing being carried.
void diagramCard(QPainter& p, double x, double y, const QColor& border) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(border);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(x, y, 15, 16));
  p.setPen(QColor(90, 90, 90));
  for (int s = 0; s < 4; ++s) p.drawLine(QPointF(x + 3 + 3 * s, y + 4), QPointF(x + 3 + 3 * s, y + 14));
  for (int f = 0; f < 3; ++f) p.drawLine(QPointF(x + 3, y + 7 + 3.5 * f), QPointF(x + 12, y + 7 + 3.5 * f));
  p.fillRect(QRectF(x + 3, y + 3, 10, 1.5), Qt::black);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(x + 6.5, y + 9), 1.6, 1.6);
  p.drawEllipse(QPointF(x + 9.5, y + 12.5), 1.6, 1.6);
}

QImage placeCursor() {
  QImage image = clearImage(32, 32);
  QPainter p(&image);
  diagramCard(p, 14.5, 13.5, QColor(20, 120, 40));
  arrow(p);
  return image;
}

QImage moveCursor() {
  QImage image = clearImage(32, 32);
  QPainter p(&image);
  // Dashed shadow of where the chord came from, then the card being moved.
  p.setPen(QPen(QColor(30, 30, 30), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(10.5, 9.5, 15, 16));
  diagramCard(p, 15.5, 14.5, QColor(30, 80, 200));
  arrow(p);
  return image;
}

QImage measureMoveCursor() {
  QImage image = clearImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(30, 80, 200));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(11.5, 17.5, 19, 11));
  p.fillRect(QRectF(12, 18, 1, 10), Qt::black);
  p.fillRect(QRectF(30, 18, 1, 10), Qt::black);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.6));
  for (int beat = 0; beat < 4; ++beat) {
    const double x = 15.0 + 4 * beat;
    p.drawLine(QPointF(x, 26), QPointF(x + 2.5, 20));
  }
  arrow(p);
  return image;
}

QImage insertCursor() {
  QImage image = clearImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  // An I-beam with a white halo so it shows on any page colour; hot spot in its middle.
  const auto beam = [&p](const QColor& c, int w) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(16, 6, 16, 26);
    p.drawLine(12, 5, 20, 5);
    p.drawLine(12, 27, 20, 27);
  };
  beam(Qt::white, 3);
  beam(Qt::black, 1);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 200));
  QPainterPath wedge;  // pushes the following columns to the right
  wedge.moveTo(19, 13);
  wedge.lineTo(25, 16);
  wedge.lineTo(19, 19);
  wedge.closeSubpath();
  p.drawPath(wedge);
  return image;
}

QImage handCursor() {
  QImage image = clearImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand;
  hand.addRoundedRect(QRectF(9.5, 1.5, 4, 14), 2, 2);         // index finger
  hand.addRoundedRect(QRectF(13.5, 8.5, 4, 9), 2, 2);         // middle
  hand.addRoundedRect(QRectF(17.5, 9.5, 4, 8), 2, 2);         // ring
  hand.addRoundedRect(QRectF(21.5, 10.5, 3.5, 7), 1.7, 1.7);  // little
  hand.addRoundedRect(QRectF(9.5, 12.5, 15.5, 12), 4, 4);     // palm
  QPainterPath thumb;
  thumb.moveTo(10, 20);
  thumb.lineTo(5.5, 14.5);
  thumb.cubicTo(3.5, 12.5, 1.5, 15, 3, 17);
  thumb.lineTo(9, 25);
  thumb.closeSubpath();
  hand = hand.united(thumb).simplified();
  p.setPen(QPen(Qt::black, 1.1));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  p.setPen(QPen(QColor(80, 80, 80), 0.8));
  p.drawLine(QPointF(13.5, 13), QPointF(13.5, 17));
  p.drawLine(QPointF(17.5, 13), QPointF(17.5, 17));
  p.drawLine(QPointF(21.5, 13), QPointF(21.5, 17));
  return image;
}

}  // namespace

bool writeCursors(const QString& cursors) {
  return saveCursor(handCursor(), cursors, "CURHAND", 11, 1) &&
         saveCursor(placeCursor(), cursors, "CURFRET", 1, 1) &&
         saveCursor(moveCursor(), cursors, "CURMOVE", 1, 1) &&
         saveCursor(measureMoveCursor(), cursors, "CMEASMOV", 1, 1) &&
         saveCursor(insertCursor(), cursors, "CURINSRT", 16, 16);
}

}  // namespace artgen
