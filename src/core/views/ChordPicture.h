#pragma once
// What the fretboard shows for one chord, worked out without drawing anything: the markers to copy
// onto the neck, the texts of the read-outs, the LED frame for the Fretlight, the notes for the
// staff and the interval list for the keyboard. The GUI paints this; tests read it directly.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/pages/DiagramRecords.h"
#include "core/theory/IntervalDisplay.h"
#include "core/theory/Pitch.h"
#include "core/views/FretboardGeometry.h"

namespace strumly {

constexpr int kLedFrets = 22;  // the guitar has LEDs for frets 0..21

struct LedCell {
  std::uint8_t lit = 0;
  std::uint8_t root = 0;
  bool operator==(const LedCell&) const = default;
};

// `boardLeds`: 22 frets x 6 strings x (lit, root).
struct LedFrame {
  std::array<std::array<LedCell, 6>, kLedFrets> cells{};
  void clear() { cells = {}; }
  // Positions past fret 21 have no LED and are ignored.
  void light(int fret, int string, bool isRoot);
  const LedCell& at(int fret, int string) const {
    return cells[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)];
  }
  bool operator==(const LedFrame&) const = default;
};

// One entry per PitchNumber; 1 = the note sounds.
using NoteSet = std::array<std::uint8_t, 128>;

struct MarkerPlacement {
  int string = 0;
  int fret = 0;
  int x = 0;  // top-left corner on the neck
  int y = 0;
  int cellX = 0;  // left edge of the 12 x 12 cell in the marker strip
};

// The texts of the chord read-outs beside the neck.
struct ChordReadout {
  std::string chordName;                        // `editChordNameUser`
  std::string notes;                            // `editNotes`
  std::array<std::string, 7> intervalCaptions;  // `editIntervals0`..`editIntervals6`
  std::array<std::uint8_t, 7> intervalTags{};   // interval mod 12, 0 for an empty slot
  std::string tuningName;                       // `editTuningName`
  bool rootShown = false;  // the root label reads black only when a string plays the root
};

struct ChordPicture {
  std::vector<MarkerPlacement> markers;
  ChordReadout readout;
  LedFrame leds;
  NoteSet notes{};
  Tuning tuning;
  PitchClass root = 0;
  // Scale-shaped list for the keyboard: the seven intervals with 255 as 99, then three 99.
  std::array<std::uint8_t, 10> keyboardIntervals{};
};

// The picture of a chord that is not empty (an empty chord clears the fretboard instead).
// A fret off the neck or a finger code without a picture draws no marker for that string but
// still counts for the texts.
ChordPicture drawChord(const ChordDiagram& chord, Hand hand, const NoteNames& names);

// One square outline of the arpeggio and interval displays.
struct NeckOutline {
  int x = 0;
  int y = 0;
  int string = 0;
  int fret = 0;
  bool root = false;
  int slot = 0;  // interval label 0..6 whose colour outlines the note
};

struct NotesAcrossNeckPicture {
  std::vector<NeckOutline> outlines;
  ChordReadout readout;  // chord name without the bass, as the display names a chord type
  LedFrame leds;
};

// Every position of the chord's notes over the fret range. `openPitches` are the tuning controls'
// current positions (the neck being shown), not necessarily the chord's own tuning.
NotesAcrossNeckPicture drawNotesAcrossNeck(const ChordDiagram& chord, Hand hand, const NoteNames& names,
                                           const Tuning& openPitches, bool wholeNeck);

}  // namespace strumly
