// The chord and scale diagram pictures. Marker cells are copied over the grid without any
// blending, so each cell carries the bit of string it covers: a dot cell has the string line
// through it, while the open ring and the cross sit above the nut where there is no string.
#include <QPainter>
#include <QPainterPath>

#include "ArtCommon.h"

namespace artgen {
namespace {

// Small diagram: string lines at the marker column + 4, markers 9 px across in a 10 px cell.
constexpr int kSmallStringX[6] = {20, 35, 50, 65, 80, 95};
constexpr int kSmallNutY = 18;                         // two pixels: 18 and 19
constexpr int kSmallFretY[5] = {36, 53, 70, 87, 104};  // between the marker rows

// Tiny diagram: string lines at the marker column + 2, markers 5 px in a 5 px cell.
constexpr int kTinyStringX[6] = {10, 19, 28, 37, 46, 55};
constexpr int kTinyNutY = 6;
constexpr int kTinyFretY[5] = {16, 25, 34, 43, 52};

QImage smallFret() {
  QImage image = whiteImage(105, 120);
  QPainter p(&image);
  for (int x : kSmallStringX) p.fillRect(x, kSmallNutY, 1, 120 - kSmallNutY, kGridString);
  for (int y : kSmallFretY)
    p.fillRect(kSmallStringX[0], y, kSmallStringX[5] - kSmallStringX[0] + 1, 1, kGridFret);
  p.fillRect(kSmallStringX[0] - 1, kSmallNutY, kSmallStringX[5] - kSmallStringX[0] + 3, 2, kInk);
  return image;
}

// The string segment a fretted marker covers.
void stringThrough(QPainter& p, int cellX) {
  p.fillRect(cellX + 4, 0, 1, 10, kGridString);
}

void dot(QPainter& p, int cellX, const QColor& colour) {
  stringThrough(p, cellX);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(QRectF(cellX + 0.1, 0.1, 8.8, 8.8));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void ring(QPainter& p, int cellX) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(cellX + 1.0, 1.0, 7.0, 7.0));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void cross(QPainter& p, int cellX) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(cellX + 1.5, 1.5), QPointF(cellX + 7.5, 7.5));
  p.drawLine(QPointF(cellX + 7.5, 1.5), QPointF(cellX + 1.5, 7.5));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void rootMark(QPainter& p, int cellX) {
  stringThrough(p, cellX);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kRootRed);
  p.drawRoundedRect(QRectF(cellX + 0.5, 0.5, 8.0, 8.0), 1.6, 1.6);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// Finger numbers as 3 x 5 pixel digits: anti-aliased text is unreadable inside a 9 px dot.
void fingerDigit(QImage& image, int cellX, int finger) {
  static const char* const kDigits[4][5] = {
      {".#.", "##.", ".#.", ".#.", "###"},
      {"##.", "..#", ".#.", "#..", "###"},
      {"##.", "..#", ".#.", "..#", "##."},
      {"#.#", "#.#", "###", "..#", "..#"},
  };
  const auto& rows = kDigits[finger - 1];
  stamp(image, cellX + 3, 2, {rows[0], rows[1], rows[2], rows[3], rows[4]}, Qt::white);
}

QImage smallMarks() {
  QImage image = whiteImage(40, 10);
  QPainter p(&image);
  dot(p, 0, kInk);
  ring(p, 10);
  cross(p, 20);
  rootMark(p, 30);
  return image;
}

QImage smallNumbers() {
  QImage image = whiteImage(70, 10);
  {
    QPainter p(&image);
    ring(p, 0);
    for (int finger = 1; finger <= 4; ++finger) dot(p, finger * 10, kInk);
    cross(p, 50);
    dot(p, 60, kInk);
  }
  for (int finger = 1; finger <= 4; ++finger) fingerDigit(image, finger * 10, finger);
  return image;
}

QImage tinyFret() {
  QImage image = whiteImage(58, 61);
  QPainter p(&image);
  for (int x : kTinyStringX) p.fillRect(x, kTinyNutY, 1, 61 - kTinyNutY, kGridString);
  for (int y : kTinyFretY)
    p.fillRect(kTinyStringX[0], y, kTinyStringX[5] - kTinyStringX[0] + 1, 1, kGridFret);
  p.fillRect(kTinyStringX[0], kTinyNutY, kTinyStringX[5] - kTinyStringX[0] + 1, 2, kInk);
  return image;
}

QImage tinyMarks() {
  QImage image = whiteImage(15, 5);
  stamp(image, 0, 0, {".###.", "#####", "#####", "#####", ".###."}, kInk);
  stamp(image, 5, 0, {".###.", "#...#", "#...#", "#...#", ".###."}, kInk);
  stamp(image, 10, 0, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, kInk);
  return image;
}

}  // namespace

bool writeDiagramArt(const QString& images) {
  return save(smallFret(), images, "SMALFRET") && save(smallMarks(), images, "SMALMARK") &&
         save(smallNumbers(), images, "SMALNUMB") && save(tinyFret(), images, "TINYFRET") &&
         save(tinyMarks(), images, "TINYMARK");
}

}  // namespace artgen
