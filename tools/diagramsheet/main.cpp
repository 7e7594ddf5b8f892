// A row of C major chord shapes as the Print page shows them (finger numbers), and the six
// positions of the C major scale as the Scales page shows them.
#include <QApplication>
#include <cstdio>

#include "gui/views/DiagramPainter.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Frets and fingers of strings 0..5 (high e first); fret -1 = muted.
ChordDiagram shape(const char* name, std::array<int, 6> frets, std::array<int, 6> fingers, int beginFret,
                   std::array<int, 7> intervals = {0, 4, 7, 255, 255, 255, 255}) {
  ChordDiagram c = emptyDesignChord();
  c.name = name;
  for (std::size_t s = 0; s < 6; ++s) {
    c.strings[s] = frets[s] < 0 ? StringFret{0, kFingerMuted}
                                : StringFret{static_cast<std::uint8_t>(frets[s]),
                                             static_cast<std::uint8_t>(frets[s] == 0 ? 0 : fingers[s])};
  }
  for (std::size_t i = 0; i < 7; ++i) c.intervals[i] = static_cast<std::uint8_t>(intervals[i]);
  c.formula = "1 3 5";
  c.beginFret = static_cast<std::uint8_t>(beginFret);
  c.root = 0;
  c.bass = 24;
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: diagramsheet <output.png>\n");
    return 2;
  }
  std::array<ChordDiagram, 6> chords = {
      shape("major", {0, 1, 0, 2, 3, -1}, {0, 1, 0, 2, 3, 0}, 1),
      shape("maj7", {0, 0, 0, 2, 3, -1}, {0, 0, 0, 2, 3, 0}, 1, {0, 4, 7, 11, 255, 255, 255}),
      shape("add9", {0, 3, 0, 2, 3, -1}, {0, 4, 0, 1, 2, 0}, 1, {0, 4, 7, 2, 255, 255, 255}),
      shape("major", {3, 5, 5, 5, 3, -1}, {1, 4, 3, 2, 1, 0}, 3),
      shape("major", {8, 8, 9, 10, 10, 8}, {1, 1, 2, 4, 3, 1}, 8),
      shape("major", {12, 13, 12, 10, -1, -1}, {3, 4, 2, 1, 0, 0}, 10),
  };
  ScaleDiagram scale;
  scale.empty = 0;
  scale.name = "Major (Ionian)";
  scale.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 99, 99};
  scale.root = 0;

  PageImage page(QSize(740, 340));
  const NoteNames names;
  for (int column = 0; column < 6; ++column) {
    ChordDiagram& chord = chords[static_cast<std::size_t>(column)];
    drawSmallChord(chord, page, DiagramPage::Chords, 0, column, ChordMarkers::Numbered, false);
    drawTextAt(page, pageFont(8), 22 + 120 * column, 8, chordTitle(chord, names));
    drawScalePosition(scale, column, page, DiagramPage::Scales, 1, column, 5, false);
  }
  drawTextAt(page, pageFont(8), 22, 158, "C " + QString("Major (Ionian)"));
  moveSelection(page, DiagramPage::Chords, {0, 0});
  if (!page.image().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "diagramsheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
