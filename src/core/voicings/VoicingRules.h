#pragma once
// The measurable rules a dictionary voicing keeps. The generator only ships voicings that pass
// them, and the data tests check the shipped files with them, naming every break.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/chords/ChordTypes.h"
#include "core/chords/VoicingRecord.h"

namespace strumly {

enum class VoicingRule : std::uint8_t {
  RecordCodes,       // finger codes 0..5 only; open and muted strings at fret 0; fretted at fret >= 1
  ChordTonesOnly,    // every sounding note belongs to the chord
  RequiredTones,     // root, third or suspended tone, seventh, named tones; enough strings
  FretSpan,          // fretted notes within four frets
  DiagramRows,       // fretted notes within the six rows from the beginning fret, which is the usual one
  Fingering,         // fingers rise with the fret, one fret per finger, barres that can be held
  InnerMutedString,  // no gap between sounding strings except the drop shape's muted second string
  // Rules over the six voicings of one chord:
  FirstNotRoot,    // voicing 1 has the root in the bass
  TooFewRootBass,  // at least four voicings have the root in the bass
  Duplicate,       // the six voicings are different
  NotAscending,    // ordered from the open or lowest position up the neck
  TooFewRegions,   // at least three regions of the neck
};

std::string_view ruleName(VoicingRule rule);

// Which chord tones a voicing may sound and which it must sound (bit i = interval i semitones).
struct ToneRequirement {
  std::uint16_t allowed = 0;
  std::uint16_t required = 0;
};
ToneRequirement toneRequirement(const ChordTypeDefinition& type);

// Interval-class mask of the sounding strings relative to the root.
std::uint16_t soundingIntervals(const VoicingRecord& v, PitchClass root);

// Lowest fretted fret (0 for open strings only): what "up the neck" orders by.
int neckPosition(const VoicingRecord& v);
// 0 = open and first position (frets up to 4), 1 = frets 5..8, 2 = 9..12, 3 = 13 and above.
int neckRegion(const VoicingRecord& v);
// The beginning fret a diagram of these frets shows: 1 while everything fits below fret 5, else
// the lowest fretted fret.
std::uint8_t usualBeginFret(const VoicingRecord& v);
bool hasRootInBass(const VoicingRecord& v, PitchClass root);
// Drop shapes whose second-lowest sounding string is muted by the bass finger: a fretted bass at
// most one fret above the other fretted notes, one muted string, the strings above it sounding.
bool isDropShapeGap(const VoicingRecord& v);

std::vector<VoicingRule> checkVoicing(const VoicingRecord& v, const ChordTypeDefinition& type,
                                      PitchClass root);
std::vector<VoicingRule> checkVoicingSet(const std::array<VoicingRecord, kVoicingsPerChord>& set,
                                         PitchClass root);

}  // namespace strumly
