#include "core/tab/TabMarkers.h"

#include <algorithm>

namespace strumly {

int tabPageHeight(int lineCount) {
  return std::max(kTabMinPageHeight, kTabLinePitch * lineCount + 13);
}

int tabPageWidth(std::size_t longestLine) {
  constexpr std::size_t kMarginColumns = 12;
  const std::size_t columns = std::min<std::size_t>(longestLine, 100'000'000) + kMarginColumns;
  return std::max(kTabPageWidth, kTabTextX + kTabColumnPitch * static_cast<int>(columns));
}

std::size_t longestTabLine(const TabLines& lines) {
  std::size_t longest = 0;
  for (const TabLine& line : lines) longest = std::max(longest, line.size());
  return longest;
}

TabMarker defaultStartMarker() {
  return {0, 0};
}

TabMarker defaultEndMarker(const TabLines& converted) {
  if (converted.empty()) return {0, 0};
  return {static_cast<int>(converted.back().size()) + 1, tabBlockCount(converted) - 1};
}

TabMarkers defaultTabMarkers(const TabLines& converted) {
  return {defaultStartMarker(), defaultEndMarker(converted)};
}

namespace {

TabMarker clampMarker(TabMarker m, const TabLines& converted) {
  const int blocks = tabBlockCount(converted);
  if (blocks == 0) return {0, 0};
  m.block = std::clamp(m.block, 0, blocks - 1);
  const std::size_t top = static_cast<std::size_t>(m.block) * kTabLinesPerBlock + 1;
  const int length = top < converted.size() ? static_cast<int>(converted[top].size()) : 0;
  m.column = std::clamp(m.column, 0, length + 1);
  return m;
}

}  // namespace

TabMarkers clampTabMarkers(TabMarkers markers, const TabLines& converted) {
  return {clampMarker(markers.start, converted), clampMarker(markers.end, converted)};
}

TabRect startMarkerRect(TabMarker m) {
  const int left = kTabColumnPitch * m.column;
  const int top = kTabBlockPitch * m.block + 16;
  return {left, top, left + kTabMarkerWidth, top + kTabMarkerHeight};
}

TabRect endMarkerRect(TabMarker m) {
  const int left = kTabColumnPitch * m.column - 3;
  const int top = kTabBlockPitch * m.block + 16;
  return {left, top, left + kTabMarkerWidth, top + kTabMarkerHeight};
}

TabRect tabCursorRect(int column, int block) {
  const int left = kTabColumnPitch * column + 1;
  const int top = kTabBlockPitch * block + 25;
  return {left, top, left + kTabCursorWidth, top + kTabCursorHeight};
}

TabPress tabPagePress(const TabLines& converted, const TabMarkers& markers, int x, int y, bool rightButton,
                      int pictureWidth) {
  // Division cuts toward zero, so every press above the first block's marker area is block 0.
  const int d = x / kTabColumnPitch;
  const int a = (y - 18) / kTabBlockPitch;
  if (x >= pictureWidth || d < 0 || a < 0 || a >= tabBlockCount(converted)) return {};
  const std::size_t top = static_cast<std::size_t>(a) * kTabLinesPerBlock + 1;
  const int length = top < converted.size() ? static_cast<int>(converted[top].size()) : 0;
  if (d > length + 1 && d <= pictureWidth / kTabColumnPitch) {
    if (rightButton) return {TabPressAction::OpenMenu, {}};
    return {};
  }
  if (!rightButton) {
    const int endLeft = endMarkerRect(markers.end).left;
    if (d < length &&
        (a < markers.end.block || (a == markers.end.block && kTabColumnPitch * d < endLeft - 10)))
      return {TabPressAction::PlaceStart, {d, a}};
    return {};
  }
  const int startRight = startMarkerRect(markers.start).left + kTabMarkerWidth;
  if (d > 1 && (a > markers.start.block || (a == markers.start.block && startRight < kTabColumnPitch * d)))
    return {TabPressAction::PlaceEnd, {d, a}};
  return {};
}

bool tabLineHasPageLabel(int line) {
  return line >= 0 && line % kTabLinesPerPageLabel == 0;
}

}  // namespace strumly
