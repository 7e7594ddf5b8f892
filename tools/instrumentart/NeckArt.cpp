// The neck: a rosewood fingerboard between a glossy headstock and the body end, a bone nut, nickel
// frets with a highlight, pearl dots, and six strings of graded gauge whose centre lines pass
// through the marker positions of every fret.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "InstrumentArt.h"
#include "core/views/FretboardGeometry.h"

namespace instrumentart {
namespace {

using strumly::Hand;
using strumly::kMarkerSize;
using strumly::kNeckHeight;
using strumly::kNeckWidth;

constexpr int kNutLeft = 30;
constexpr int kNutRight = 36;   // the band of the open strings ends here
constexpr int kLastWire = 891;  // beyond fret 22's marker

// Right-handed band starts of frets 1..22 as the wires' places: a fret's wire closes its band.
constexpr std::array<int, 22> kWireX{106, 170, 229, 285, 338, 388, 435, 479, 521, 560, 598,
                                     633, 666, 698, 727, 755, 782, 807, 830, 852, 874, kLastWire};

struct Line {
  double a = 0, b = 0;
  double at(double x) const { return a + b * x; }
};

// A straight string through the centres of its markers (least squares over frets 0..22).
Line stringLine(int string) {
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  const int n = strumly::kNeckPositions;
  for (int f = 0; f < n; ++f) {
    const double x = *strumly::fretX(Hand::Right, f) + kMarkerSize / 2.0;
    const double y = *strumly::stringY(f, string) + kMarkerSize / 2.0;
    sx += x;
    sy += y;
    sxx += x * x;
    sxy += x * y;
  }
  Line line;
  line.b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
  line.a = (sy - line.b * sx) / n;
  return line;
}

double boardTop(double x) {
  return stringLine(0).at(x) - 7.5;
}
double boardBottom(double x) {
  return stringLine(5).at(x) + 7.5;
}

// Smooth value noise for the wood grain.
double hash(int x, int y) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xffff) / 65535.0;
}
double smoothNoise(double x, double y) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double ux = fx * fx * (3 - 2 * fx), uy = fy * fy * (3 - 2 * fy);
  const double top = hash(ix, iy) * (1 - ux) + hash(ix + 1, iy) * ux;
  const double bottom = hash(ix, iy + 1) * (1 - ux) + hash(ix + 1, iy + 1) * ux;
  return top * (1 - uy) + bottom * uy;
}
double fbm(double x, double y) {
  double sum = 0, amp = 0.5;
  for (int i = 0; i < 4; ++i, x *= 2, y *= 2, amp *= 0.5) sum += amp * smoothNoise(x, y);
  return sum;
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

// The pixel loops run over the picture's own pixels; at twice the pixels each stands for half a
// logical one.
void paintBackdrop(QImage& image) {
  const double s = image.devicePixelRatio();
  for (int y = 0; y < image.height(); ++y) {
    const QRgb c = backdrop(s == 1 ? y : (y + 0.5) / s - 0.5).rgb();
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, c);
  }
}

void paintHeadstock(QPainter& p) {
  const double top = boardTop(kNutLeft) - 5, bottom = boardBottom(kNutLeft) + 5;
  QLinearGradient gloss(0, top, 0, bottom);
  gloss.setColorAt(0.0, QColor(58, 44, 38));
  gloss.setColorAt(0.18, QColor(30, 22, 19));
  gloss.setColorAt(0.5, QColor(20, 14, 12));
  gloss.setColorAt(0.85, QColor(34, 25, 21));
  gloss.setColorAt(1.0, QColor(12, 8, 7));
  p.fillRect(QRectF(0, top, kNutLeft, bottom - top), gloss);
  p.fillRect(QRectF(0, top, kNutLeft, 1), QColor(120, 100, 90, 120));
}

void paintFingerboard(QImage& image) {
  const QColor dark(34, 17, 10), mid(78, 40, 24), light(112, 62, 38);
  const int s = static_cast<int>(image.devicePixelRatio());
  for (int px = kNutRight * s; px < kNeckWidth * s; ++px) {
    const double x = s == 1 ? px : (px + 0.5) / s - 0.5;
    const double top = boardTop(x) * s, bottom = boardBottom(x) * s;
    for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
      const double v = (y - top) / (bottom - top);
      // Grain runs along the neck: stretched noise with a wavy drift.
      const double drift = 2.5 * fbm(x * 0.004, 3.1);
      const double grain = fbm(x * 0.018, (v * 14.0 + drift));
      const double streak = 0.5 + 0.5 * std::sin((v * 40.0 + drift * 6.0 + grain * 5.0));
      double t = 0.25 + 0.55 * grain + 0.18 * streak * streak;
      QColor c = t < 0.55 ? mix(dark, mid, t / 0.55) : mix(mid, light, (t - 0.55) / 0.45);
      if (hash(px * 7, y * 13) > 0.985) c = c.darker(150);  // pores
      // The board's edges roll away from the light.
      const double edge = std::min(v, 1.0 - v);
      if (edge < 0.12) c = c.darker(100 + static_cast<int>((0.12 - edge) * 500));
      // Antialiased top and bottom edges over the backdrop.
      double cover = 1.0;
      if (y < top) cover = 1.0 - (top - y);
      if (y > bottom) cover = 1.0 - (y - bottom);
      if (cover <= 0 || y < 0 || y >= kNeckHeight * s) continue;
      image.setPixelColor(px, y, mix(image.pixelColor(px, y), c, cover));
    }
  }
}

void paintInlays(QPainter& p) {
  const auto centreX = [](int fret) {
    const double left = fret == 1 ? kNutRight : kWireX[static_cast<std::size_t>(fret - 2)];
    return (left + kWireX[static_cast<std::size_t>(fret - 1)]) / 2.0;
  };
  const auto dot = [&](double x, double y, double r) {
    QRadialGradient pearl(QPointF(x - r * 0.35, y - r * 0.35), r * 1.4);
    pearl.setColorAt(0.0, QColor(255, 255, 250));
    pearl.setColorAt(0.45, QColor(236, 232, 240));
    pearl.setColorAt(0.75, QColor(214, 222, 226));
    pearl.setColorAt(1.0, QColor(176, 168, 160));
    p.setPen(QPen(QColor(40, 24, 16, 160), 0.8));
    p.setBrush(pearl);
    p.drawEllipse(QPointF(x, y), r, r);
  };
  for (int fret : {3, 5, 7, 9, 12, 15, 17, 19, 21}) {
    const double x = centreX(fret);
    const double r = fret < 12 ? 5.0 : (fret < 18 ? 4.4 : 4.0);
    if (fret == 12) {
      dot(x, (stringLine(1).at(x) + stringLine(2).at(x)) / 2, r);
      dot(x, (stringLine(3).at(x) + stringLine(4).at(x)) / 2, r);
    } else {
      dot(x, (stringLine(2).at(x) + stringLine(3).at(x)) / 2, r);
    }
  }
}

void paintFrets(QPainter& p) {
  for (int wire : kWireX) {
    const double top = boardTop(wire) - 0.5, bottom = boardBottom(wire) + 0.5;
    p.fillRect(QRectF(wire + 2, top + 1, 2, bottom - top - 1), QColor(0, 0, 0, 70));  // shadow
    QLinearGradient metal(wire - 1.5, 0, wire + 2.0, 0);
    metal.setColorAt(0.0, QColor(90, 90, 92));
    metal.setColorAt(0.35, QColor(250, 250, 252));
    metal.setColorAt(0.6, QColor(190, 192, 196));
    metal.setColorAt(1.0, QColor(84, 84, 88));
    p.fillRect(QRectF(wire - 1.5, top, 3.5, bottom - top), metal);
  }
}

void paintNut(QPainter& p) {
  const double top = boardTop(kNutLeft) - 3, bottom = boardBottom(kNutLeft) + 3;
  QLinearGradient bone(kNutLeft, 0, kNutRight + 1, 0);
  bone.setColorAt(0.0, QColor(190, 180, 156));
  bone.setColorAt(0.3, QColor(246, 240, 224));
  bone.setColorAt(0.7, QColor(236, 228, 206));
  bone.setColorAt(1.0, QColor(168, 156, 130));
  p.setPen(QPen(QColor(110, 96, 74), 0.8));
  p.setBrush(bone);
  p.drawRoundedRect(QRectF(kNutLeft, top, kNutRight + 1 - kNutLeft, bottom - top), 1.5, 1.5);
}

void paintStrings(QPainter& p) {
  const std::array<double, 6> gauge{1.0, 1.3, 1.7, 2.1, 2.6, 3.1};
  for (int s = 0; s < 6; ++s) {
    const Line line = stringLine(s);
    const double w = gauge[static_cast<std::size_t>(s)];
    const QPointF from(0, line.at(0)), to(kNeckWidth, line.at(kNeckWidth));
    // Shadow on the wood.
    p.setPen(QPen(QColor(0, 0, 0, 90), w + 0.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from + QPointF(0, w * 0.7 + 1.2), to + QPointF(0, w * 0.7 + 1.2));
    const bool wound = s >= 3;
    const QColor shade = wound ? QColor(96, 80, 52) : QColor(92, 98, 106);
    const QColor body = wound ? QColor(196, 174, 122) : QColor(205, 210, 216);
    const QColor shine = wound ? QColor(255, 244, 206) : QColor(255, 255, 255);
    p.setPen(QPen(shade, w, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.setPen(QPen(body, w * 0.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from - QPointF(0, w * 0.12), to - QPointF(0, w * 0.12));
    p.setPen(QPen(shine, std::max(0.45, w * 0.22), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from - QPointF(0, w * 0.25), to - QPointF(0, w * 0.25));
    if (wound) {
      // The winding: faint ticks along the string.
      p.setPen(QPen(QColor(60, 46, 26, 70), 0.6));
      for (double x = 0.5; x < kNeckWidth; x += 2.0) {
        const double y = line.at(x);
        p.drawLine(QPointF(x, y - w / 2 + 0.2), QPointF(x + 0.6, y + w / 2 - 0.2));
      }
    }
  }
}

}  // namespace

QColor backdrop(double y) {
  // A dark stage: slightly lighter at the middle height of the neck.
  const double t = std::abs(y - kNeckHeight / 2.0) / (kNeckHeight / 2.0);
  return mix(QColor(46, 42, 40), QColor(24, 22, 21), t);
}

QImage drawNeck(int scale) {
  QImage image(kNeckWidth * scale, kNeckHeight * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  paintBackdrop(image);
  paintFingerboard(image);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintHeadstock(p);
  paintInlays(p);
  paintFrets(p);
  paintNut(p);
  paintStrings(p);
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage drawFretNumbers(bool leftHanded, int scale) {
  QImage image(kNeckWidth * scale, strumly::kFretNumberStripHeight * scale,
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  paintBackdrop(image);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("DejaVu Sans");
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  const Hand hand = leftHanded ? Hand::Left : Hand::Right;
  for (int fret = 1; fret <= strumly::kHighestFret; ++fret) {
    const bool inlay = fret == 3 || fret == 5 || fret == 7 || fret == 9 || fret == 12 || fret == 15 ||
                       fret == 17 || fret == 19 || fret == 21;
    p.setPen(inlay ? QColor(240, 226, 190) : QColor(150, 142, 132));
    const int x = *strumly::fretX(hand, fret);
    p.drawText(QRect(x - 6, 1, kMarkerSize + 12, 12), Qt::AlignCenter, QString::number(fret));
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace instrumentart
