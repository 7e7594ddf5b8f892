#pragma once
// Where things sit on the play page image: the slot cells, their labels and small diagrams, the
// grid of measure numbers and bar lines, the repeat markers and the play start marker, and which
// slot a mouse point hits. Pure geometry in image pixels, shared by the drawing and the page.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/pages/PageLayout.h"
#include "core/playpage/PlayPageData.h"

namespace strumly {

constexpr int kPlayImageHeight = 3335;  // also the scroll range
constexpr int kPlayPageCount = 4;
constexpr int kPlayPageHeight = 792;  // six rows of 132
// Tops of the labels that announce play pages 2..4.
inline constexpr std::array<int, 3> kPlayPageLabelTops{834, 1626, 2418};

// Top of play page 1..4: the scroll position its page button moves to.
constexpr int playPageTop(int page) {
  return kPlayPageHeight * (page - 1);
}

// The area erased white before a slot is drawn.
PixelRect playCellRect(SlotPos slot);
PixelPoint playChordLabelPoint(SlotPos slot);
PixelPoint playDiagramPoint(SlotPos slot);
// The FOURFOUR or TREEFOUR picture at the left of a row.
PixelPoint timeSignaturePoint(int row);
// Where PLAYCURS marks the play start (and PLAYERAS covers the old one).
PixelPoint playStartMarkerPoint(SlotPos slot);
// y of the bar lines and repeat markers of a row.
constexpr int playMarkerY(int row) {
  return 132 * row + 95;
}

// The slot under image pixel (x, y); nothing outside the 12 x 24 grid. Points left of the first
// column hit nothing. Rows are counted from 20 pixels below the cell tops, so the top 20 pixels of
// a cell still count for the row above (and for row 0 on the first row).
std::optional<SlotPos> playHitTest(int x, int y);

// One text of the measure grid; the texts of blanks only cover a number of the other signature.
struct PlayGridText {
  PixelPoint at;
  std::string text;
  bool operator==(const PlayGridText&) const = default;
};

// What the grid draws on one row, in drawing order: the signature picture, the texts (measure
// numbers; a 4/4 measure that continues from the row above shows "~" before its number) and the
// BARLINE pictures at x = each entry of barLineXs, y = playMarkerY(row).
struct PlayGridRow {
  PixelPoint signaturePicture;
  std::vector<PlayGridText> texts;
  std::vector<int> barLineXs;
};
PlayGridRow playGridRow(TimeSignature signature, int row);

// Start (RETURN) and end (REPEAT) points of the repeat markers of measure 0..n-1. A 4/4 measure
// that crosses a row boundary starts on one row and ends on the next.
struct RepeatMarkerPoints {
  PixelPoint start;
  PixelPoint end;
  PixelPoint countText() const { return {end.x - 16, end.y + 10}; }
  PixelPoint loopMarker() const { return {end.x - 26, end.y}; }
  // Covered with PLAYERAS before the markers of the measure are drawn.
  std::array<PixelPoint, 4> covers() const {
    return {start, PixelPoint{end.x - 16, end.y}, PixelPoint{end.x - 8, end.y}, end};
  }
  bool operator==(const RepeatMarkerPoints&) const = default;
};
RepeatMarkerPoints repeatMarkerPoints(TimeSignature signature, int measure);

// A double click sets the play start only on the first two slots of a measure; this gives the
// column of that measure's first slot in the same row, or nothing for any other slot.
std::optional<int> playStartColumn(TimeSignature signature, SlotPos clicked);

}  // namespace strumly
