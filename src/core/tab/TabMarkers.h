#pragma once
// The converted page's geometry and its two play-range markers. A marker column is a gap: the
// start marker at column c plays from column c + 1, the end marker at column c plays up to
// column c - 1. These are the rules the page's mouse handling and the player share.
#include "core/tab/TabBlocks.h"

namespace strumly {

// --- Page geometry (pixels of the converted page) ---
constexpr int kTabPageWidth = 1000;
constexpr int kTabMinPageHeight = 500;
constexpr int kTabLinePitch = 18;    // line e is drawn at y = 18e + 5 (white copy at 18e + 4)
constexpr int kTabBlockPitch = 126;  // 7 lines
constexpr int kTabColumnPitch = 9;   // column c (from 1) covers x = 9c + 1 .. 9c + 9
constexpr int kTabTextX = 10;        // white copy at x = 9
constexpr int kTabTextY = 5;
constexpr int kTabLinesPerPageLabel = 56;  // "Page n" every 8 blocks
constexpr int kTabMarkerWidth = 15;
constexpr int kTabMarkerHeight = 120;
constexpr int kTabCursorWidth = 10;
constexpr int kTabCursorHeight = 102;

struct TabRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool operator==(const TabRect&) const = default;
};

// 18 x lines + 13, at least 500.
int tabPageHeight(int lineCount);
// 1000, or wider when the longest line needs it: room for the line, the end marker after its
// last column and a margin beyond for the popup press, so nothing of a wide tab lies off the page.
int tabPageWidth(std::size_t longestLine);
std::size_t longestTabLine(const TabLines& lines);

struct TabMarker {
  int column = 0;  // gap position; 0 = before the first column
  int block = 0;
  bool operator==(const TabMarker&) const = default;
};

struct TabMarkers {
  TabMarker start;
  TabMarker end;
  bool operator==(const TabMarkers&) const = default;
};

// Start at column 0 of block 0; end after the last column of the last block (length of the
// page's last line + 1).
TabMarker defaultStartMarker();
TabMarker defaultEndMarker(const TabLines& converted);
TabMarkers defaultTabMarkers(const TabLines& converted);

// Brings markers read from a file onto the page: blocks into 0..last block, columns into
// 0..(that block's line length + 1). A page without lines gets both markers at (0, 0).
TabMarkers clampTabMarkers(TabMarkers markers, const TabLines& converted);

// Where the bitmaps go: "TABSTART" 15 x 120 at (9c, 126b + 16); "TABEND" at (9c - 3, 126b + 16);
// the play cursor "TABCURSR" 10 x 102 at (9c + 1, 126b + 25), over column c of the six lines.
TabRect startMarkerRect(TabMarker marker);
TabRect endMarkerRect(TabMarker marker);
TabRect tabCursorRect(int column, int block);

// What a mouse press on the converted page does (x, y in page pixels).
enum class TabPressAction {
  Ignored,     // outside the blocks, or the order of the markers forbids it
  OpenMenu,    // right press right of the block's text: the page's popup menu
  PlaceStart,  // left press: the start marker goes to `at`
  PlaceEnd,    // right press: the end marker goes to `at`
};
struct TabPress {
  TabPressAction action = TabPressAction::Ignored;
  TabMarker at;
};
// Column x / 9, block (y - 18) / 126, both cut toward zero. Within one block the start marker
// stays at least 2 columns below the end marker and the end marker at least 2 above the start.
// A press beyond the picture's width is no press on the page.
TabPress tabPagePress(const TabLines& converted, const TabMarkers& markers, int x, int y, bool rightButton,
                      int pictureWidth = kTabPageWidth);

// Lines of the page that carry a "Page n" label (0, 56, 112, ...) below `lineCount`; label n
// (from 1) sits on line 56(n - 1).
bool tabLineHasPageLabel(int line);

}  // namespace strumly
