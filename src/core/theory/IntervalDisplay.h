#pragma once
// Where a chord's notes lie across the neck, and which interval slot each position belongs to.
// The fretboard outlines these positions for the arpeggio display and, on the Chord Design page,
// colours them by slot for the Show Intervals display.
#include <array>
#include <cstdint>
#include <vector>

#include "core/theory/Pitch.h"

namespace strumly {

struct NeckMark {
  int string = 0;
  int fret = 0;
  int slot = 0;       // the interval label (0..6) that names this note; 0 is the root
  bool root = false;  // outlined in the root colour whatever the mode
};

struct FretRange {
  int first = 0;
  int last = 22;
};

// All frets 0..22 on the full neck or the Chord Design page; otherwise the five frets around the
// chord's diagram, from beginFret - 1 to beginFret + 3 (kept on the neck).
FretRange notesAcrossNeckRange(bool wholeNeck, int beginFret);

// Every position in the fret range whose pitch class is one of the chord's intervals above the
// root. The interval list is read in order and stops at the first 255; a pitch class named by two
// entries (2 and 9 spelled twice) is marked once, under the first label that shows it.
std::vector<NeckMark> notesAcrossNeck(const std::array<std::uint8_t, 7>& intervals, PitchClass root,
                                      const std::array<PitchNumber, 6>& openPitches, FretRange range);

}  // namespace strumly
