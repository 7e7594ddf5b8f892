#pragma once
// Drawing of chord and scale diagrams onto the page images. Each diagram is one painting step of
// the page (the grid and marker cells of DiagramArtwork, the begin fret as text), painted over its
// whole rectangle, so that it is sharp at any pixel ratio and prints as lines and text; the pages
// call refresh() on their PageImage afterwards.
#include <QImage>
#include <QString>
#include <array>

#include "core/pages/DiagramRecords.h"
#include "core/pages/PageLayout.h"
#include "core/theory/Pitch.h"
#include "gui/common/PageImage.h"

namespace strumly::gui {

// Which markers a small chord diagram shows.
enum class ChordMarkers {
  Shapes,    // dot, open ring, cross (a set just shown on the Chords page)
  Plain,     // the plain cells of the numbered set (Chords page redraws)
  Numbered,  // finger numbers in the dots (Print page)
};

// The 105 x 120 diagram of a chord. Strings whose fret lies outside the six fret rows show no
// marker.
QImage composeSmallChord(const ChordDiagram& chord, ChordMarkers markers, bool leftHanded);
// Composes the chord and copies it to its cell of the Chords or Print page. Brings the chord's
// pitches up to date from its frets first, as every diagram that reaches a page must be playable.
void drawSmallChord(ChordDiagram& chord, PageImage& page, DiagramPage kind, int row, int column,
                    ChordMarkers markers, bool leftHanded);

// The 105 x 120 diagram of one position of a scale set; span is the "Scale Diagrams" preference.
QImage composeScalePosition(const ScaleDiagram& scale, int position, int span, bool leftHanded);
// Blanks the cell and copies the position to it (Scales or Print page).
void drawScalePosition(const ScaleDiagram& scale, int position, PageImage& page, DiagramPage kind, int row,
                       int column, int span, bool leftHanded);

// The 58 x 61 diagram of the Chord Design page (the Play page uses the same pictures).
// unshown[s] is set for strings fretted six or more frets above beginFret.
QImage composeTinyChord(const ChordDiagram& chord, bool leftHanded, std::array<bool, 6>* unshown = nullptr);
// The tiny diagram as a step of a page, its top-left corner at `at`.
void drawTinyDiagram(PageImage& page, const ChordDiagram& chord, bool leftHanded, PixelPoint at);

struct TinyChordStyle {
  NoteNames names;
  bool leftHanded = false;
  bool smallFont = false;  // "Use Small Font for Chord Name"
};
// Fret of each string for the fret edits beside the design slots; -1 leaves an edit blank.
using FretReadout = std::array<int, 6>;
// Draws Chord Design slot k: blanks the slot, and when the chord is used draws the diagram, the
// out-of-range line, the four text lines and moves the selection frame to the slot.
FretReadout drawTinyChord(const ChordDiagram& chord, int slot, PageImage& page, const TinyChordStyle& style);

// Paints the whole page white and forgets its selection frame.
void clearPageImage(PageImage& page);
// Draws the old frame in white and the new one in red, both as outlines.
void moveSelection(PageImage& page, PixelRect newFrame);
void moveSelection(PageImage& page, DiagramPage kind, GridCell cell);

// Text as the page layouts place it: (x, y) is the top-left corner of the text cell, drawn
// opaque on white so that it replaces what was there; as a step of the page, or on a painter.
void drawTextAt(PageImage& page, const QFont& font, int x, int y, const QString& text,
                const QRect& clip = QRect());
void paintTextAt(QPainter& p, const QFont& font, int x, int y, const QString& text,
                 const QRect& clip = QRect());

// The heading lines of a diagram, with note names from the current table.
QString chordTitle(const ChordDiagram& chord, const NoteNames& names);
QString chordNoteNames(const ChordDiagram& chord, const NoteNames& names);

}  // namespace strumly::gui
