#include "core/playpage/PlayPageLayout.h"

namespace strumly {
namespace {

constexpr int kGridLeft = 20;
constexpr int kColumnPitch = 63;
constexpr int kRowPitch = 132;
constexpr int kHitTop = 20;
constexpr int kNumberOffset = 85;  // measure numbers sit above the bar line

int cellLeft(SlotPos slot) {
  return kColumnPitch * slot.column + kGridLeft;
}
int cellTop(SlotPos slot) {
  return kRowPitch * slot.row;
}

}  // namespace

PixelRect playCellRect(SlotPos slot) {
  return {cellLeft(slot), cellTop(slot), cellLeft(slot) + 60, cellTop(slot) + 86};
}

PixelPoint playChordLabelPoint(SlotPos slot) {
  return {cellLeft(slot), cellTop(slot) + 13};
}

PixelPoint playDiagramPoint(SlotPos slot) {
  return {cellLeft(slot), cellTop(slot) + 25};
}

PixelPoint timeSignaturePoint(int row) {
  return {3, playMarkerY(row)};
}

PixelPoint playStartMarkerPoint(SlotPos slot) {
  return {cellLeft(slot) + 10, playMarkerY(slot.row)};
}

std::optional<SlotPos> playHitTest(int x, int y) {
  // Truncating toward zero would fold the margin left of column 0 into it.
  if (x < kGridLeft || y < 0) return std::nullopt;
  const int column = (x - kGridLeft) / kColumnPitch;
  const int row = (y - kHitTop) / kRowPitch;
  if (column >= kPlayColumns || row >= kPlayRows) return std::nullopt;
  return SlotPos{column, row};
}

PlayGridRow playGridRow(TimeSignature signature, int row) {
  PlayGridRow grid;
  grid.signaturePicture = timeSignaturePoint(row);
  const int y = kRowPitch * row + kNumberOffset;
  const bool odd = row % 2 == 1;
  if (signature == TimeSignature::FourFour) {
    // 1.5 measures a row: trunc(1.5r + 1) and trunc(1.5r + 2) in integers.
    const int first = (3 * row) / 2 + 1;
    grid.texts.push_back({{393, y}, "     "});
    grid.texts.push_back({{3, y}, (odd ? "~" : "") + std::to_string(first)});
    grid.texts.push_back({{odd ? 267 : 519, y}, std::to_string(first + 1)});
    grid.barLineXs = odd ? std::vector<int>{270, 770} : std::vector<int>{522};
  } else {
    grid.texts.push_back({{3, y}, std::to_string(2 * row + 1) + "    "});
    grid.texts.push_back({{393, y}, std::to_string(2 * row + 2)});
    grid.texts.push_back({{odd ? 267 : 519, y}, "    "});
    grid.barLineXs = {396, 770};
  }
  return grid;
}

RepeatMarkerPoints repeatMarkerPoints(TimeSignature signature, int measure) {
  if (signature == TimeSignature::ThreeFour) {
    const int y = playMarkerY(measure / 2);
    if (measure % 2 == 0) return {{20, y}, {388, y}};
    return {{397, y}, {762, y}};
  }
  // Three 4/4 measures fill two rows: the first of them starts a row, the second crosses into the
  // next row, the third fills the rest of that row.
  switch (measure % 3) {
    case 0: {
      const int y = playMarkerY(2 * measure / 3);
      return {{20, y}, {514, y}};
    }
    case 1: {
      const int y = playMarkerY((2 * measure - 2) / 3);
      return {{523, y}, {262, y + kRowPitch}};
    }
    default: {
      const int y = playMarkerY((2 * measure - 4) / 3) + kRowPitch;
      return {{271, y}, {762, y}};
    }
  }
}

std::optional<int> playStartColumn(TimeSignature signature, SlotPos clicked) {
  const int c = clicked.column;
  if (signature == TimeSignature::ThreeFour) {
    if (c <= 1) return 0;
    if (c == 6 || c == 7) return 6;
    return std::nullopt;
  }
  if (clicked.row % 2 == 1) {
    if (c == 4 || c == 5) return 4;
    return std::nullopt;
  }
  if (c <= 1) return 0;
  if (c == 8 || c == 9) return 8;
  return std::nullopt;
}

}  // namespace strumly
