// The 240 x 12 marker strip: for each of the chord, root and playing sets an open ring, finger
// numbers 1..4 in a dot and a plain dot; one muted cross shared by all sets. Cells read at 12 x 12
// on dark wood, so every marker has a dark outline and a bright face.
#include <QPainter>
#include <QRadialGradient>

#include "InstrumentArt.h"
#include "core/pages/DiagramRecords.h"
#include "core/views/FretboardGeometry.h"

namespace instrumentart {
namespace {

struct MarkerColours {
  QColor face;
  QColor rim;
  QColor text;
};

const MarkerColours kChord{QColor(40, 110, 220), QColor(10, 26, 70), Qt::white};
const MarkerColours kRoot{QColor(226, 36, 36), QColor(80, 6, 6), Qt::white};
const MarkerColours kPlaying{QColor(255, 190, 20), QColor(110, 60, 0), QColor(30, 20, 0)};

void dot(QPainter& p, int cellX, const MarkerColours& c) {
  const QPointF centre(cellX + 6.0, 6.0);
  QRadialGradient shade(centre - QPointF(1.8, 1.8), 7.5);
  shade.setColorAt(0.0, c.face.lighter(150));
  shade.setColorAt(0.55, c.face);
  shade.setColorAt(1.0, c.face.darker(150));
  p.setPen(QPen(c.rim, 1.0));
  p.setBrush(shade);
  p.drawEllipse(centre, 5.4, 5.4);
}

void ring(QPainter& p, int cellX, const MarkerColours& c) {
  const QPointF centre(cellX + 6.0, 6.0);
  // A dark centre keeps the string from crossing the ring, so it never reads as a minus sign.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(16, 14, 12, 215));
  p.drawEllipse(centre, 3.6, 3.6);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.rim, 3.4));
  p.drawEllipse(centre, 4.3, 4.3);
  p.setPen(QPen(c.face.lighter(135), 1.8));
  p.drawEllipse(centre, 4.3, 4.3);
}

void number(QPainter& p, int cellX, int finger, const MarkerColours& c) {
  dot(p, cellX, c);
  QFont font("DejaVu Sans");
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(c.text);
  p.drawText(QRectF(cellX, 0.5, 12, 12), Qt::AlignCenter, QString::number(finger));
}

void cross(QPainter& p, int cellX) {
  const QPointF a(cellX + 2.5, 2.5), b(cellX + 9.5, 9.5), c(cellX + 9.5, 2.5), d(cellX + 2.5, 9.5);
  p.setPen(QPen(QColor(20, 20, 20), 3.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.drawLine(c, d);
  p.setPen(QPen(QColor(245, 245, 240), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.drawLine(c, d);
}

void paintSet(QPainter& p, bool isRoot, bool playing, const MarkerColours& c) {
  for (std::uint8_t code = 0; code < strumly::kFingerCodeCount; ++code) {
    const auto cell = playing ? strumly::playingMarkerCell(code) : strumly::chordMarkerCell(code, isRoot);
    if (code == strumly::kFingerMuted) continue;
    if (code == strumly::kFingerOpen)
      ring(p, *cell, c);
    else if (code == strumly::kFingerPlain)
      dot(p, *cell, c);
    else
      number(p, *cell, code, c);
  }
}

}  // namespace

QImage drawMarkers(int scale) {
  QImage image(strumly::kMarkerStripWidth * scale, strumly::kMarkerSize * scale,
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintSet(p, false, false, kChord);
  paintSet(p, true, false, kRoot);
  paintSet(p, false, true, kPlaying);
  cross(p, *strumly::chordMarkerCell(strumly::kFingerMuted, false));
  return image;
}

}  // namespace instrumentart
