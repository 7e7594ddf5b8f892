// The five-octave keyboard and the staff pictures.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cstring>

#include "InstrumentArt.h"
#include "core/views/KeyboardLayout.h"

namespace instrumentart {
namespace {

// Black keys by their first X within the octave and their width (the hover bands of the keys).
constexpr std::array<std::pair<int, int>, 5> kBlackKeys{{{6, 5}, {14, 5}, {30, 5}, {38, 5}, {46, 5}}};
constexpr int kBlackKeyBottom = 10;  // rows 0..9

// Five lines, each 6 pixels apart; note heads on and between them follow the staff positions.
constexpr std::array<int, 5> kStaffLines{56, 62, 68, 74, 80};
constexpr int kStaffWidth = 150;
constexpr int kStaffHeight = 140;

// The treble clef in staff spaces: x right, y down, the G line at y = 3.
QPainterPath trebleClef() {
  QPainterPath path;
  path.moveTo(0.35, 3.25);
  path.cubicTo(-0.25, 3.55, -0.6, 2.55, 0.1, 2.3);
  path.cubicTo(0.95, 2.05, 1.4, 3.2, 0.95, 3.85);
  path.cubicTo(0.45, 4.55, -1.05, 4.45, -1.25, 3.35);
  path.cubicTo(-1.45, 2.3, -0.35, 1.55, 0.3, 0.85);
  path.cubicTo(0.95, 0.15, 1.0, -0.95, 0.6, -1.5);
  path.cubicTo(0.2, -2.0, -0.35, -0.9, -0.2, 0.1);
  path.cubicTo(-0.05, 1.6, 0.35, 3.9, 0.45, 5.25);
  path.cubicTo(0.55, 6.05, -0.35, 6.35, -0.75, 5.8);
  return path;
}

}  // namespace

QImage drawKeyboard(int scale) {
  using namespace strumly;
  QImage image(kKeyboardWidth * scale, kKeyboardHeight * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(30, 28, 26));
  QPainter p(&image);
  p.scale(scale, scale);
  // White keys: ivory with a soft fall-off towards the player, grey joints.
  QLinearGradient ivory(0, 0, 0, kKeyboardHeight);
  ivory.setColorAt(0.0, QColor(236, 232, 222));
  ivory.setColorAt(0.7, QColor(252, 250, 244));
  ivory.setColorAt(1.0, QColor(210, 204, 192));
  for (int white = 0; white < 35; ++white) {
    const int x = white * 8;
    const int w = white == 34 ? 9 : 8;  // the last key runs to the edge
    p.fillRect(QRect(x, 0, w - 1, kKeyboardHeight - 1), ivory);
    p.fillRect(QRect(x + w - 1, 0, 1, kKeyboardHeight), QColor(120, 114, 104));
  }
  p.fillRect(QRect(0, kKeyboardHeight - 1, kKeyboardWidth, 1), QColor(90, 84, 76));
  p.fillRect(QRect(0, 0, kKeyboardWidth, 1), QColor(60, 20, 20));  // the felt strip
  // Black keys: ebony with a lit top face.
  QLinearGradient ebony(0, 0, 0, kBlackKeyBottom);
  ebony.setColorAt(0.0, QColor(20, 20, 22));
  ebony.setColorAt(0.75, QColor(58, 58, 62));
  ebony.setColorAt(1.0, QColor(12, 12, 14));
  for (int octave = 0; octave < 5; ++octave) {
    for (const auto& [first, width] : kBlackKeys) {
      const int x = octave * kKeyboardOctaveWidth + first;
      p.fillRect(QRect(x, 0, width, kBlackKeyBottom), ebony);
      p.fillRect(QRect(x + 1, 1, width - 2, 1), QColor(110, 110, 116));
    }
  }
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage drawStaff(int scale) {
  QImage image(kStaffWidth * scale, kStaffHeight * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.scale(scale, scale);
  for (int y : kStaffLines) p.fillRect(QRect(4, y, kStaffWidth - 8, 1), Qt::black);
  p.fillRect(QRect(4, kStaffLines.front(), 1, kStaffLines.back() - kStaffLines.front() + 1), Qt::black);
  p.fillRect(QRect(kStaffWidth - 5, kStaffLines.front(), 1, kStaffLines.back() - kStaffLines.front() + 1),
             Qt::black);
  p.setRenderHint(QPainter::Antialiasing);
  const double space = kStaffLines[1] - kStaffLines[0];
  p.translate(24, kStaffLines[0]);
  p.scale(space, space);
  p.setPen(QPen(Qt::black, 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(trebleClef());
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(-0.55, 5.65), 0.33, 0.33);
  p.end();
  return image;
}

QImage drawStaffGlyph(const char* const* rows, int width, int height, int scale) {
  QImage image(width * scale, height * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width && rows[y][x] != '\0'; ++x)
      if (rows[y][x] == '#') p.fillRect(QRect(x * scale, y * scale, scale, scale), Qt::black);
  return image;
}

QImage drawNoteHead(int scale) {
  if (scale == 1) return drawStaffGlyph(kNoteHead, 10, 6);
  // The tilted oval the pixel head stands for, drawn smooth at the finer pixels.
  QImage image(10 * scale, 6 * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.translate(5, 3);
  p.rotate(-22);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(0, 0), 4.9, 2.7);
  return image;
}

// Pixel pictures: the note line sits at row 3 of the head and row 7 of an accidental.
const char* const kNoteHead[] = {".....####.", "..########", ".#########",
                                 "#########.", "########..", ".####....."};
const char* const kSharp[] = {".....", ".#.#.", ".#.#.", ".#.##", ".###.", "##.#.", ".#.#.",
                              ".#.##", ".###.", "##.#.", ".#.#.", ".#.#.", "....."};
const char* const kFlat[] = {"#....", "#....", "#....", "#....", "#....", "#.##.", "##..#",
                             "#...#", "#..#.", "#.#..", "##...", ".....", "....."};
const char* const kNatural[] = {".....", "#....", "#....", "#..#.", "####.", "#..#.", "#..#.",
                                "#..#.", "####.", "#..#.", "...#.", "...#.", "....."};
const char* const kDoubleFlat[] = {"#.#..", "#.#..", "#.#..", "#.#..", "#.#..", "#.#..", "#####",
                                   "##.##", "##.#.", "####.", "##...", ".....", "....."};
const char* const kDoubleSharp[] = {".....", ".....", ".....", ".....", ".....", "#...#", ".#.#.",
                                    "..#..", ".#.#.", "#...#", ".....", ".....", "....."};

}  // namespace instrumentart
