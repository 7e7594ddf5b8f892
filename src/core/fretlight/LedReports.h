#pragma once
// How one LED frame travels to the Fretlight guitar: as three 8-byte output reports, one per
// block of frets. Kept apart from any device so the bit layout can be checked by hand.
#include <array>
#include <cstdint>

#include "core/views/ChordPicture.h"
#include "core/views/FretboardGeometry.h"

namespace strumly {

// Byte 0 is the report number (always 0: the guitar has a single output report), bytes 1..6
// carry 48 LED bits, byte 7 names the block.
using LedReport = std::array<std::uint8_t, 8>;

// Blocks 1, 2, 3 cover frets 0..7, 8..15 and 16..21; the guitar wants them in that order.
constexpr int kLedBlocks = 3;
constexpr int kFretsPerLedBlock = 8;
using LedReports = std::array<LedReport, kLedBlocks>;

// Within a block, LED k = 6 x (fret - first fret of the block) + string counts down from the
// top bit of byte 6 towards byte 1, so fret 0 string 0 is byte 6 bit 0x80. For Hand::Left the
// guitar is strung the other way round and string s lights LED position 5 - s. Only the lit
// byte of each entry counts; block 3 leaves its 12 unused bits at 0.
LedReports ledReports(const LedFrame& frame, Hand hand);

// Bytes 1..6 of every block set to `bits`: 0x00 turns every LED off, 0xFF every LED on
// (including the bits of block 3 that no LED uses, which the guitar ignores).
LedReports filledLedReports(std::uint8_t bits);

}  // namespace strumly
