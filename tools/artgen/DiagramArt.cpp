// The chord and scale diagram pictures, painted by the program's own diagram artwork. Marker
// cells cover the grid whole, so each cell carries the bit of string it covers: a dot cell has
// the string line through it, while the open ring and the cross sit above the nut.
#include <QPainter>

#include "ArtCommon.h"
#include "gui/views/DiagramArtwork.h"

namespace artgen {
namespace {

using namespace strumly::gui::artwork;

QImage smallFret() {
  QImage image = whiteImage(105, 120);
  QPainter p(&image);
  paintSmallGrid(p, QPoint(0, 0));
  return image;
}

QImage smallMarks() {
  QImage image = whiteImage(40, 10);
  QPainter p(&image);
  int x = 0;
  for (SmallMark mark : {SmallMark::Dot, SmallMark::Ring, SmallMark::Cross, SmallMark::Root}) {
    paintSmallMark(p, mark, QPoint(x, 0));
    x += 10;
  }
  return image;
}

QImage smallNumbers() {
  QImage image = whiteImage(70, 10);
  QPainter p(&image);
  for (int cell = 0; cell < 7; ++cell) paintNumberedMark(p, cell, QPoint(10 * cell, 0));
  return image;
}

QImage tinyFret() {
  QImage image = whiteImage(58, 61);
  QPainter p(&image);
  paintTinyGrid(p, QPoint(0, 0));
  return image;
}

QImage tinyMarks() {
  QImage image = whiteImage(15, 5);
  QPainter p(&image);
  paintTinyMark(p, TinyMark::Dot, QPoint(0, 0));
  paintTinyMark(p, TinyMark::Ring, QPoint(5, 0));
  paintTinyMark(p, TinyMark::Cross, QPoint(10, 0));
  return image;
}

}  // namespace

bool writeDiagramArt(const QString& images) {
  return save(smallFret(), images, "SMALFRET") && save(smallMarks(), images, "SMALMARK") &&
         save(smallNumbers(), images, "SMALNUMB") && save(tinyFret(), images, "TINYFRET") &&
         save(tinyMarks(), images, "TINYMARK");
}

}  // namespace artgen
