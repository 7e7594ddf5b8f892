#pragma once
// Where diagrams sit on the Chords, Scales, Print and Chord Design page images, which diagram a
// mouse press hits, and which diagram comes next when the foot switch steps the selection.
// Pure geometry in image pixels, shared by the drawing code and the pages.
#include <array>
#include <optional>

namespace strumly {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Corners as the pages state them: an outline covers left..right-1 and top..bottom-1.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PixelRect&) const = default;
  bool isNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
};

// column = diagram 0..5 across the page, row = set (Chords, Scales) or print row 0..4.
struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};

enum class DiagramPage { Chords, Scales, Print };

constexpr int kSmallDiagramWidth = 105;
constexpr int kSmallDiagramHeight = 120;
constexpr int kSmallMarkerSize = 10;
constexpr int kTinyDiagramWidth = 58;
constexpr int kTinyDiagramHeight = 61;
constexpr int kTinyMarkerSize = 5;
constexpr int kGridColumns = 6;
constexpr int kGridRows = 5;

constexpr int kChordPageWidth = 772;
constexpr int kScalePageWidth = 776;
constexpr int kPrintPageWidth = 772;
constexpr int kDiagramPageHeight = 800;
constexpr int kDesignImageWidth = 456;
constexpr int kDesignImageHeight = 110;
constexpr int kDesignSlotWidth = 76;
constexpr int kDesignSlots = 6;
constexpr int kDesignDiagramTop = 44;
constexpr int kDesignOutOfRangeY = 106;  // blue line under a tiny diagram with an unshowable fret

// Tops of the marker rows inside a diagram: index 0 is the open/muted row, 1..6 the fret rows.
inline constexpr std::array<int, 7> kSmallRowTops{5, 23, 40, 57, 74, 91, 108};
inline constexpr std::array<int, 7> kTinyRowTops{0, 9, 18, 27, 36, 45, 54};
constexpr int kFretRows = 6;

// Left edge of the marker of strings 0..5. Left-handed players see the strings mirrored.
struct MarkerColumns {
  std::array<int, 6> small;
  std::array<int, 6> tiny;
};
MarkerColumns markerColumns(bool leftHanded);

// Marker row of a chord string: 0 for fret 0, fret - beginFret + 1 when that lies in 1..6,
// nothing when the fret cannot be shown in the six fret rows.
std::optional<int> chordMarkerRow(int fret, int beginFret);

// Rows a scale position shows with span N: the open row 0 and N - 1 fret rows when it begins at
// fret 1, otherwise N fret rows. Both ends inclusive; the last row is at most 6.
struct RowRange {
  int first = 0;
  int last = 0;
};
RowRange scalePositionRows(int beginFret, int span);

// Top-left corner of the small diagram of a grid cell on the page image.
PixelPoint smallDiagramOrigin(DiagramPage page, GridCell cell);
// The area blanked before a scale position is drawn.
PixelRect scaleBlankArea(DiagramPage page, GridCell cell);
PixelRect selectionFrame(DiagramPage page, GridCell cell);
PixelRect designSelectionFrame(int slot, int imageHeight = kDesignImageHeight);

// The diagram under a press at image pixel (x, y); nothing when the press is outside the grid.
// Presses right of 740 or below 770 are ignored on all three pages.
std::optional<GridCell> pageHitTest(DiagramPage page, int x, int y);
std::optional<int> designSlotHitTest(int x);

// The selection the foot switch steps to.
// Chords and Scales pages: next diagram of the set, then the first of the next used set (sets
// 0..3 only), else back to the first diagram of set 0. Nothing when no set is used.
std::optional<GridCell> nextSetDiagram(GridCell selected, int usedSets);
// Chord Design: the first used slot after the selected one, wrapping; only with two used slots.
std::optional<int> nextDesignSlot(int selected, const std::array<bool, kDesignSlots>& used);
// Print page: the next used cell in row order, wrapping; only with two used cells.
using PrintUsage = std::array<std::array<bool, kGridRows>, kGridColumns>;  // [column][row]
std::optional<GridCell> nextPrintCell(GridCell selected, const PrintUsage& used);

}  // namespace strumly
