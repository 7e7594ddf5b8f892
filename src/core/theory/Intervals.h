#pragma once
// The interval vocabulary of chords: names of interval values 0..21 (13..21 are the compound
// spellings of 1..9), the run-long choice of compound spelling per simple interval, and the
// interval list of a fingered chord.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/pages/DiagramRecords.h"

namespace strumly {

constexpr int kMaxIntervalValue = 21;
constexpr int kChordIntervalSlots = 7;

// Name of an interval value 0..21; empty for the values without a name (12, 16, 19), for
// 255 (unused slot) and for anything out of range.
std::string_view intervalName(int value);

// The compound spelling of a simple interval 0..11 (interval + 12); empty for 0, 4, 7, 10, 11.
std::string_view compoundName(int simple);

// The fretboard's interval read-out: the simple name, followed by " / " and the compound name
// when there is one ("b3 / #9", "5").
std::string intervalWithCompound(int simple);

// Which simple intervals are written in their compound spelling (2 as 9, b3 as #9 ...). Only
// intervals that have a compound name can be switched; the rest stay simple.
class CompoundFlags {
 public:
  static bool isSwitchable(int simple);
  bool isCompound(int simple) const;
  // Toggles the flag; returns false (and changes nothing) for an interval that cannot switch.
  bool toggle(int simple);

 private:
  std::array<bool, 12> flags_{};
};

// Sets chord.intervals from its sounding strings (`pitches` entries not 0) and its root: the root
// first, then the simple intervals ascending, then the compound ones ascending, 255 after.
void computeIntervals(ChordDiagram& chord, const CompoundFlags& flags);

}  // namespace strumly
