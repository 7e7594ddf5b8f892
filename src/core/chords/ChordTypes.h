#pragma once
// The 62 built-in chord types: the content of kvcd3.dat and the order of the chord-type list.
// Family tables give the record arithmetic of the six voicing files.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace strumly {

enum class ChordFamily : std::uint8_t { Major = 1, Minor = 2, Dominant = 3 };

constexpr int kChordTypeCount = 62;
constexpr int kVoicingsPerChord = 6;
constexpr int kVoicingsPerFile = 3;  // the "1" file holds voicings 1..3, the "2" file 4..6
constexpr int kKeyCount = 12;

struct FamilyInfo {
  ChordFamily family;
  int typeCount;
  int firstDictionaryIndex;
  std::string_view shapeFile1;
  std::string_view shapeFile2;
  int recordsPerKey() const { return typeCount * kVoicingsPerFile; }
  int recordsPerFile() const { return recordsPerKey() * kKeyCount; }
};

inline constexpr std::array<FamilyInfo, 3> kFamilies{{
    {ChordFamily::Major, 19, 0, "kvma1.dat", "kvma2.dat"},
    {ChordFamily::Minor, 17, 19, "kvmi1.dat", "kvmi2.dat"},
    {ChordFamily::Dominant, 26, 36, "kvdo1.dat", "kvdo2.dat"},
}};

inline const FamilyInfo& familyInfo(ChordFamily f) {
  return kFamilies[static_cast<int>(f) - 1];
}

// First record of the three voicings of (type, key) in either shape file of the family.
inline int firstShapeRecord(ChordFamily f, int type, int key) {
  return key * familyInfo(f).recordsPerKey() + type * kVoicingsPerFile;
}
inline int dictionaryIndex(ChordFamily f, int type) {
  return familyInfo(f).firstDictionaryIndex + type;
}

struct ChordTypeDefinition {
  std::string_view name;                  // as in the chord-type list and the dictionary record
  std::string_view menuCaption;           // as the family menus show it
  std::string_view formula;               // interval names, compound where the name says so
  std::array<std::uint8_t, 7> intervals;  // semitones 0..11 ascending, 255 unused
};

// Index = dictionary index 0..61.
std::span<const ChordTypeDefinition, kChordTypeCount> chordTypeDefinitions();

// Family and type number of a dictionary index.
struct FamilyType {
  ChordFamily family;
  int type;
};
FamilyType familyTypeOf(int dictionaryIndex);

}  // namespace strumly
