#include "gui/views/DiagramArtwork.h"

#include <QColor>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <initializer_list>
#include <unordered_map>

namespace strumly::gui::artwork {
namespace {

const QColor kInk(28, 28, 30);
const QColor kGridString(70, 70, 74);
const QColor kGridFret(150, 150, 155);
const QColor kRootRed(178, 34, 34);

// Small diagram: string lines at the marker column + 4, markers 9 px across in a 10 px cell.
constexpr int kSmallStringX[6] = {20, 35, 50, 65, 80, 95};
constexpr int kSmallNutY = 18;                         // two pixels: 18 and 19
constexpr int kSmallFretY[5] = {36, 53, 70, 87, 104};  // between the marker rows

// Tiny diagram: string lines at the marker column + 2, markers 5 px in a 5 px cell.
constexpr int kTinyStringX[6] = {10, 19, 28, 37, 46, 55};
constexpr int kTinyNutY = 6;
constexpr int kTinyFretY[5] = {16, 25, 34, 43, 52};

// Pixel figures ('#' = ink), for shapes too small to draw as curves: each pixel a square.
void stamp(QPainter& p, QPoint at, std::initializer_list<const char*> rows, const QColor& colour) {
  int row = 0;
  for (const char* line : rows) {
    for (int col = 0; line[col] != '\0'; ++col) {
      if (line[col] == '#') p.fillRect(at.x() + col, at.y() + row, 1, 1, colour);
    }
    ++row;
  }
}

void stringThrough(QPainter& p, QPoint cell) {
  p.fillRect(cell.x() + 4, cell.y(), 1, 10, kGridString);
}

void dot(QPainter& p, QPoint cell) {
  stringThrough(p, cell);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QRectF(cell.x() + 0.1, cell.y() + 0.1, 8.8, 8.8));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void ring(QPainter& p, QPoint cell) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(cell.x() + 1.0, cell.y() + 1.0, 7.0, 7.0));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void cross(QPainter& p, QPoint cell) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
  const QPointF o(cell);
  p.drawLine(o + QPointF(1.5, 1.5), o + QPointF(7.5, 7.5));
  p.drawLine(o + QPointF(7.5, 1.5), o + QPointF(1.5, 7.5));
  p.setRenderHint(QPainter::Antialiasing, false);
}

void rootMark(QPainter& p, QPoint cell) {
  stringThrough(p, cell);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kRootRed);
  p.drawRoundedRect(QRectF(cell.x() + 0.5, cell.y() + 0.5, 8.0, 8.0), 1.6, 1.6);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// Finger numbers as 3 x 5 pixel digits: anti-aliased text is unreadable inside a 9 px dot.
void fingerDigit(QPainter& p, QPoint cell, int finger) {
  static const char* const kDigits[4][5] = {
      {".#.", "##.", ".#.", ".#.", "###"},
      {"##.", "..#", ".#.", "#..", "###"},
      {"##.", "..#", ".#.", "..#", "##."},
      {"#.#", "#.#", "###", "..#", "..#"},
  };
  const auto& rows = kDigits[finger - 1];
  stamp(p, cell + QPoint(3, 2), {rows[0], rows[1], rows[2], rows[3], rows[4]}, Qt::white);
}

void blankCell(QPainter& p, QPoint at, int size) {
  p.fillRect(at.x(), at.y(), size, size, Qt::white);
}

// A marker cell is painted over whole (white behind the mark), so on a screen picture it can be
// a copy of the same cell painted once for that pixel ratio: anti-aliased curves are what a page
// redraw spends its time on, four times over at 2x. Paper, odd ratios and positions between
// device pixels get the shapes painted.
template <typename Paint>
bool copyPaintedCell(QPainter& p, int key, int size, QPoint at, Paint paint) {
  const QPaintDevice* device = p.device();
  if (!device || device->devType() != QInternal::Image) return false;
  const QTransform t = p.deviceTransform();
  if (t.type() > QTransform::TxScale || t.m11() != t.m22()) return false;
  const int ratio = static_cast<int>(std::lround(t.m11()));
  if (ratio < 1 || ratio > 4 || std::abs(t.m11() - ratio) > 1e-9) return false;
  const QPointF corner = t.map(QPointF(at));
  if (corner.x() != std::floor(corner.x()) || corner.y() != std::floor(corner.y())) return false;
  thread_local std::unordered_map<int, QImage> cells;
  QImage& cell = cells[key * 8 + ratio];
  if (cell.isNull()) {
    cell = QImage(size * ratio, size * ratio, QImage::Format_RGB32);
    cell.setDevicePixelRatio(ratio);
    cell.fill(Qt::white);
    QPainter cp(&cell);
    paint(cp, QPoint(0, 0));
  }
  p.drawImage(QRectF(at, QSizeF(size, size)), cell);
  return true;
}

void paintSmallMarkShape(QPainter& p, SmallMark mark, QPoint at) {
  blankCell(p, at, 10);
  switch (mark) {
    case SmallMark::Dot:
      dot(p, at);
      break;
    case SmallMark::Ring:
      ring(p, at);
      break;
    case SmallMark::Cross:
      cross(p, at);
      break;
    case SmallMark::Root:
      rootMark(p, at);
      break;
  }
}

void paintNumberedMarkShape(QPainter& p, int cell, QPoint at) {
  blankCell(p, at, 10);
  if (cell == 0) {
    ring(p, at);
  } else if (cell == 5) {
    cross(p, at);
  } else {
    dot(p, at);
    if (cell >= 1 && cell <= 4) fingerDigit(p, at, cell);
  }
}

// Cache keys: the small marks, then the numbered cells, then the tiny marks.
constexpr int kSmallKeys = 0;
constexpr int kNumberedKeys = 8;
constexpr int kTinyKeys = 24;

}  // namespace

void paintSmallGrid(QPainter& p, QPoint at) {
  p.fillRect(at.x(), at.y(), 105, 120, Qt::white);
  const int x = at.x(), y = at.y();
  for (int s : kSmallStringX) p.fillRect(x + s, y + kSmallNutY, 1, 120 - kSmallNutY, kGridString);
  for (int f : kSmallFretY)
    p.fillRect(x + kSmallStringX[0], y + f, kSmallStringX[5] - kSmallStringX[0] + 1, 1, kGridFret);
  p.fillRect(x + kSmallStringX[0] - 1, y + kSmallNutY, kSmallStringX[5] - kSmallStringX[0] + 3, 2, kInk);
}

void paintTinyGrid(QPainter& p, QPoint at) {
  p.fillRect(at.x(), at.y(), 58, 61, Qt::white);
  const int x = at.x(), y = at.y();
  for (int s : kTinyStringX) p.fillRect(x + s, y + kTinyNutY, 1, 61 - kTinyNutY, kGridString);
  for (int f : kTinyFretY)
    p.fillRect(x + kTinyStringX[0], y + f, kTinyStringX[5] - kTinyStringX[0] + 1, 1, kGridFret);
  p.fillRect(x + kTinyStringX[0], y + kTinyNutY, kTinyStringX[5] - kTinyStringX[0] + 1, 2, kInk);
}

void paintSmallMark(QPainter& p, SmallMark mark, QPoint at) {
  if (!copyPaintedCell(p, kSmallKeys + static_cast<int>(mark), 10, at,
                       [mark](QPainter& cp, QPoint o) { paintSmallMarkShape(cp, mark, o); }))
    paintSmallMarkShape(p, mark, at);
}

void paintNumberedMark(QPainter& p, int cell, QPoint at) {
  if (cell < 0 || cell > 6 ||
      !copyPaintedCell(p, kNumberedKeys + cell, 10, at,
                       [cell](QPainter& cp, QPoint o) { paintNumberedMarkShape(cp, cell, o); }))
    paintNumberedMarkShape(p, cell, at);
}

static void paintTinyMarkShape(QPainter& p, TinyMark mark, QPoint at);

void paintTinyMark(QPainter& p, TinyMark mark, QPoint at) {
  if (copyPaintedCell(p, kTinyKeys + static_cast<int>(mark), 5, at,
                      [mark](QPainter& cp, QPoint o) { paintTinyMarkShape(cp, mark, o); }))
    return;
  paintTinyMarkShape(p, mark, at);
}

static void paintTinyMarkShape(QPainter& p, TinyMark mark, QPoint at) {
  blankCell(p, at, 5);
  // Five pixels take no curve; with more device pixels to each (a HiDPI screen, paper) the
  // marks are drawn as the shapes the pixel figures stand for.
  if (p.deviceTransform().m11() > 1.5) {
    const QRectF cell(at, QSizeF(5, 5));
    p.setRenderHint(QPainter::Antialiasing);
    if (mark == TinyMark::Dot) {
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      p.drawEllipse(cell.adjusted(0.1, 0.1, -0.1, -0.1));
    } else if (mark == TinyMark::Ring) {
      p.setPen(QPen(kInk, 0.9));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
      p.setPen(QPen(kInk, 0.9, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(cell.topLeft() + QPointF(0.5, 0.5), cell.bottomRight() - QPointF(0.5, 0.5));
      p.drawLine(cell.topRight() + QPointF(-0.5, 0.5), cell.bottomLeft() + QPointF(0.5, -0.5));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    return;
  }
  switch (mark) {
    case TinyMark::Dot:
      stamp(p, at, {".###.", "#####", "#####", "#####", ".###."}, kInk);
      break;
    case TinyMark::Ring:
      stamp(p, at, {".###.", "#...#", "#...#", "#...#", ".###."}, kInk);
      break;
    case TinyMark::Cross:
      stamp(p, at, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}, kInk);
      break;
  }
}

}  // namespace strumly::gui::artwork
