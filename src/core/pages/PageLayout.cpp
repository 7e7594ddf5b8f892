#include "core/pages/PageLayout.h"

#include <algorithm>

namespace strumly {
namespace {

constexpr int kGridLeft = 20;
constexpr int kColumnPitch = 120;
constexpr int kSetPitch = 150;    // Chords and Scales pages
constexpr int kPrintPitch = 160;  // Print page
constexpr int kHitRight = 740;
constexpr int kHitBottom = 770;

int rowPitch(DiagramPage page) {
  return page == DiagramPage::Print ? kPrintPitch : kSetPitch;
}

}  // namespace

MarkerColumns markerColumns(bool leftHanded) {
  MarkerColumns c{{91, 76, 61, 46, 31, 16}, {53, 44, 35, 26, 17, 8}};
  if (leftHanded) {
    std::reverse(c.small.begin(), c.small.end());
    std::reverse(c.tiny.begin(), c.tiny.end());
  }
  return c;
}

std::optional<int> chordMarkerRow(int fret, int beginFret) {
  if (fret == 0) return 0;
  const int row = fret - beginFret + 1;
  if (row < 1 || row > kFretRows) return std::nullopt;
  return row;
}

RowRange scalePositionRows(int beginFret, int span) {
  span = std::clamp(span, 1, kFretRows);
  if (beginFret <= 1) return {0, span - 1};
  return {1, span};
}

PixelPoint smallDiagramOrigin(DiagramPage page, GridCell cell) {
  const int top = page == DiagramPage::Print ? 38 : 30;
  return {kGridLeft + kColumnPitch * cell.column, top + rowPitch(page) * cell.row};
}

PixelRect scaleBlankArea(DiagramPage page, GridCell cell) {
  const int x = kColumnPitch * cell.column;
  const int y = rowPitch(page) * cell.row;
  return {21 + x, 32 + y, 124 + x, 154 + y};
}

PixelRect selectionFrame(DiagramPage page, GridCell cell) {
  const int x = kColumnPitch * cell.column;
  if (page == DiagramPage::Print) {
    const int y = kPrintPitch * cell.row;
    return {22 + x, 41 + y, 123 + x, 160 + y};
  }
  const int y = kSetPitch * cell.row;
  return {20 + x, 31 + y, 125 + x, 158 + y};
}

PixelRect designSelectionFrame(int slot, int imageHeight) {
  return {kDesignSlotWidth * slot, 0, kDesignSlotWidth * slot + kDesignSlotWidth, imageHeight};
}

std::optional<GridCell> pageHitTest(DiagramPage page, int x, int y) {
  if (x > kHitRight || y > kHitBottom) return std::nullopt;
  // Division truncates toward zero, so the strip left of and above the grid still counts as
  // column 0 and row 0, as users of the pages are used to.
  const int column = (x - kGridLeft) / kColumnPitch;
  // Print rows start at y 2 (the heading of each cell sits above its diagram).
  const int row = page == DiagramPage::Print ? (y - 2) / kPrintPitch : (y - 20) / kSetPitch;
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return std::nullopt;
  return GridCell{column, row};
}

std::optional<int> designSlotHitTest(int x) {
  if (x < 0) return std::nullopt;
  const int slot = x / kDesignSlotWidth;
  if (slot >= kDesignSlots) return std::nullopt;
  return slot;
}

std::optional<GridCell> nextSetDiagram(GridCell selected, int usedSets) {
  if (usedSets <= 0) return std::nullopt;
  if (selected.column < 0 || selected.row < 0 || selected.row >= usedSets) return GridCell{0, 0};
  if (selected.column < kGridColumns - 1) return GridCell{selected.column + 1, selected.row};
  if (selected.row <= kGridRows - 2 && selected.row + 1 < usedSets) return GridCell{0, selected.row + 1};
  return GridCell{0, 0};
}

std::optional<int> nextDesignSlot(int selected, const std::array<bool, kDesignSlots>& used) {
  if (std::count(used.begin(), used.end(), true) < 2) return std::nullopt;
  int slot = std::clamp(selected, -1, kDesignSlots - 1);
  for (int step = 0; step < kDesignSlots; ++step) {
    slot = (slot + 1) % kDesignSlots;
    if (used[static_cast<std::size_t>(slot)]) return slot;
  }
  return std::nullopt;
}

std::optional<GridCell> nextPrintCell(GridCell selected, const PrintUsage& used) {
  constexpr int kCells = kGridColumns * kGridRows;
  int usedCount = 0;
  for (const auto& column : used)
    usedCount += static_cast<int>(std::count(column.begin(), column.end(), true));
  if (usedCount < 2) return std::nullopt;
  int index = (selected.column < 0 || selected.row < 0)
                  ? -1
                  : std::clamp(selected.row, 0, kGridRows - 1) * kGridColumns +
                        std::clamp(selected.column, 0, kGridColumns - 1);
  for (int step = 0; step < kCells; ++step) {
    index = (index + 1) % kCells;
    const GridCell cell{index % kGridColumns, index / kGridColumns};
    if (used[static_cast<std::size_t>(cell.column)][static_cast<std::size_t>(cell.row)]) return cell;
  }
  return std::nullopt;
}

}  // namespace strumly
