#pragma once
// The chord and scale diagram artwork as painting: the fret grids and the marker cells, in the
// diagrams' own pixels, on any painter. The program paints its diagrams with it (sharp at any
// pixel ratio, lines and shapes on paper) and the artwork generator draws the SMALFRET,
// SMALMARK, SMALNUMB, TINYFRET and TINYMARK pictures with it. Needs only QtGui.
#include <QPoint>

class QPainter;

namespace strumly::gui::artwork {

// The 105 x 120 grid of a small diagram, white behind it, with its top-left corner at `at`.
void paintSmallGrid(QPainter& p, QPoint at);
// The 58 x 61 grid of a tiny diagram.
void paintTinyGrid(QPainter& p, QPoint at);

// The cells of the marker strips. A cell is painted over whole (white behind the marker), as a
// cell copied from the strip would be; a fretted marker carries the bit of string it covers.
enum class SmallMark { Dot, Ring, Cross, Root };
void paintSmallMark(QPainter& p, SmallMark mark, QPoint at);
// SMALNUMB's cells: 0 open ring, 1..4 dots numbered with the finger, 5 cross, 6 plain dot.
void paintNumberedMark(QPainter& p, int cell, QPoint at);
enum class TinyMark { Dot, Ring, Cross };
void paintTinyMark(QPainter& p, TinyMark mark, QPoint at);

}  // namespace strumly::gui::artwork
