#pragma once
// The song of the play page as it is kept, saved and played: 288 half-beat slots in 24 rows of
// 12, the time signature, and the repeat markers per measure. The play page model edits it, the
// play page file stores it and the player reads it.
#include <array>
#include <cstdint>

#include "core/pages/DiagramRecords.h"

namespace strumly {

constexpr int kPlayColumns = 12;  // slots in a row: six beats
constexpr int kPlayRows = 24;     // four play pages of six rows
constexpr int kPlaySlotCount = kPlayColumns * kPlayRows;
constexpr int kRowsPerPlayPage = 6;
constexpr int kMarkerMeasures = 48;  // the marker arrays hold the 3/4 count; 4/4 uses 36

enum class TimeSignature : std::uint8_t { FourFour, ThreeFour };

constexpr int slotsPerMeasure(TimeSignature signature) {
  return signature == TimeSignature::ThreeFour ? 6 : 8;
}
constexpr int measureCount(TimeSignature signature) {
  return kPlaySlotCount / slotsPerMeasure(signature);
}

// The four per-measure arrays, in the order the repeat file stores them.
struct RepeatMarkers {
  std::array<std::uint8_t, kMarkerMeasures> startRepeat{};  // 1: a repeated section starts here
  std::array<std::uint8_t, kMarkerMeasures> repeatCount{};  // 0: no end repeat; 1..255 times
  std::array<std::uint8_t, kMarkerMeasures> repeatsLeft{};  // consumed by playback
  std::array<std::uint8_t, kMarkerMeasures> loopFlag{};     // 1: Loop Play returns to measure 1 after it

  // A fresh song: a section starts at measure 1 and the loop closes at the last measure.
  static RepeatMarkers defaults(TimeSignature signature) {
    RepeatMarkers m;
    m.startRepeat[0] = 1;
    m.loopFlag[static_cast<std::size_t>(measureCount(signature) - 1)] = 1;
    return m;
  }
  bool operator==(const RepeatMarkers&) const = default;
};

using PlaySlots = std::array<ChordDiagram, kPlaySlotCount>;

// The strum-speed bar's range: its position is the spread between strings in ticks (the size of
// it), so a position beyond the slowest end would stretch a slot past its 240 ticks.
constexpr int kSlowestStrumSpeed = -800;
constexpr int kFastestStrumSpeed = 0;
constexpr int clampedStrumSpeed(int position) {
  return position < kSlowestStrumSpeed ? kSlowestStrumSpeed
                                       : (position > kFastestStrumSpeed ? kFastestStrumSpeed : position);
}

// A slot by (column, row); the linear index is row * 12 + column.
struct SlotPos {
  int column = 0;
  int row = 0;
  constexpr int index() const { return row * kPlayColumns + column; }
  static constexpr SlotPos of(int index) { return {index % kPlayColumns, index / kPlayColumns}; }
  bool operator==(const SlotPos&) const = default;
};

}  // namespace strumly
