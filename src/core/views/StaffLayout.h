#pragma once
// Placing the sounding notes of a chord on a treble staff. Naturals are placed first; a black-key
// note is written as a flat, moves down a step as a sharp when its flat's line or space is taken,
// and when both are taken it stays beside the natural with a natural sign for that one.
// Pixels of the staff picture (the control's back buffer).
#include <cstdint>
#include <vector>

#include "core/views/ChordPicture.h"

namespace strumly {

constexpr int kStaffPositions = 75;  // diatonic positions 0..74, middle C is 35
constexpr int kStaffLedgerLeft = 51;
constexpr int kStaffLedgerRight = 110;

enum class StaffGlyph { NoteHead, Flat, Sharp, Natural };

struct StaffMark {
  StaffGlyph glyph = StaffGlyph::NoteHead;
  int x = 0;  // top-left of the glyph's picture
  int y = 0;
  bool operator==(const StaffMark&) const = default;
};

struct StaffLayout {
  std::vector<StaffMark> marks;   // in drawing order
  std::vector<int> ledgerLineYs;  // each a line from kStaffLedgerLeft to kStaffLedgerRight
  std::vector<int> positions;     // the final staff position of each drawn note, drawing order
};

// Diatonic staff position of a pitch written with its natural or flat letter (7 x octave + letter).
int staffPosition(int pitch);

// The marks for a note set. Notes whose position has no place on the picture (far outside the
// guitar's range) are left out rather than drawn at the picture's edge.
StaffLayout layoutStaff(const NoteSet& notes);

}  // namespace strumly
