#pragma once
// Builds the six voicings of every chord type and key shipped in the shape files: the shapes
// every guitarist learns first where they exist, the rest found by a scored search over the neck.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/chords/ChordTypes.h"
#include "core/chords/VoicingRecord.h"

namespace strumly {

using VoicingSet = std::array<VoicingRecord, kVoicingsPerChord>;

// Frets per string 0..5: -1 muted, 0 open, 1..22 fretted.
using FretPattern = std::array<int, kStringCount>;

// Finger codes for a fret pattern (0 open, 5 muted, 1..4), or nothing when four fingers cannot
// hold it: fingers rise with the fret, one finger bars several strings only where it can.
std::optional<std::array<std::uint8_t, kStringCount>> assignFingers(const FretPattern& frets);

// A fret pattern with its fingers and beginning fret, as the shape files store it.
std::optional<VoicingRecord> makeVoicing(const FretPattern& frets);

// Every playable voicing the search keeps for one chord, best first, with its score.
struct VoicingCandidate {
  VoicingRecord voicing;
  double score = 0;
  bool rootBass = false;
};
std::vector<VoicingCandidate> voicingCandidates(int dictionaryIndex, PitchClass key);

// The six voicings of one chord type (dictionary index 0..61) in one key.
VoicingSet generateVoicings(int dictionaryIndex, PitchClass key);

// All of them: index dictionaryIndex * 12 + key.
std::vector<VoicingSet> generateVoicingTable();

}  // namespace strumly
