#pragma once
// Readers of the chord dictionary beside the program: the chord-type file kvcd3.dat and the six
// shape files with six voicings per chord type and key. The files are only ever read.
// Failures throw DictionaryError; nothing is changed for the caller then.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "core/chords/ChordTypes.h"
#include "core/chords/DictionaryError.h"
#include "core/chords/VoicingRecord.h"
#include "core/pages/DiagramRecords.h"

namespace strumly {

inline constexpr const char* kChordTypeFileName = "kvcd3.dat";

// One kvcd3.dat record (44 bytes).
struct ChordTypeRecord {
  static constexpr std::size_t kSize = 44;
  std::array<std::uint8_t, 7> intervals{};
  ShortString<15> name;
  ShortString<20> formula;
};

// Record `dictionaryIndex` (0..61) of kvcd3.dat. ReadFailed when the file is missing or short.
ChordTypeRecord ReadChordType(const std::filesystem::path& programFolder, int dictionaryIndex);

// Records 0..61 in order, the file read once.
void ForEachChordType(const std::filesystem::path& programFolder,
                      const std::function<void(int dictionaryIndex, const ChordTypeRecord&)>& visit);

// The six voicings of (family, type, key) as diagrams ready to draw. ChordFilesMissing when a shape
// file of the family is absent; ReadFailed when a file is short or unreadable.
std::array<ChordDiagram, kVoicingsPerChord> LoadChordVoicings(const std::filesystem::path& programFolder,
                                                              ChordFamily family, int type, PitchClass key);

// The diagram of one voicing, standard tuning, pitches filled as a drawing fills them.
ChordDiagram makeDictionaryDiagram(const ChordTypeRecord& type, const VoicingRecord& voicing, PitchClass key);

}  // namespace strumly
