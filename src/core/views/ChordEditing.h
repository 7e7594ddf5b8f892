#pragma once
// Fingering a chord on the neck of the Chord Design page: clicks and typed frets change one string
// of the design chord; the beginning fret and the fret edits' texts follow from the result.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"

namespace strumly {

enum class NeckButton { Left, Right };

// What the design page's controls hold at the moment of the edit.
struct EditContext {
  Tuning tuning;                             // the tuning controls' positions
  std::string_view tuningName;               // the tuning name read-out, used when an empty chord starts
  std::uint8_t fingerButton = kFingerPlain;  // code of the finger button that is down
};

// A press on the neck at (string, fret). At the nut a left press mutes a sounding string and opens
// a muted one; a right press always opens. Above the nut the string gets the finger button's
// code. A right press also makes the pressed note the root and the bass. Returns false (and leaves
// the chord alone) for a position off the neck.
bool pressString(ChordDiagram& chord, const EditContext& context, int string, int fret, NeckButton button);

// A typed fret edit: nothing mutes the string, 0 opens it, any other fret puts the finger button's
// code there. Returns false for a string or fret off the neck.
bool setStringFret(ChordDiagram& chord, const EditContext& context, int string, std::optional<int> fret);

// The fret shown in a diagram's first row: with min and max the smallest and largest non-zero fret
// over the six strings, min when max is above 4 (but no higher than 17), else 1.
std::uint8_t beginningFret(const ChordDiagram& chord);

// The fret edit's text for a string: its fret when the string sounds, else nothing.
std::string fretEditText(const ChordDiagram& chord, int string);

// A fret edit's text as the string's new fret: nothing for an empty text or a value off the neck
// (0..22), which both leave the edit empty and the string muted.
std::optional<int> parseFretEdit(std::string_view text);

}  // namespace strumly
