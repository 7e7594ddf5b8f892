#include "core/chords/ChordTypes.h"

#include <stdexcept>

namespace strumly {

namespace {

constexpr std::uint8_t N = 255;

// Derivations of the less common names are written down in docs/dictionaries.md.
constexpr std::array<ChordTypeDefinition, kChordTypeCount> kTypes{{
    // Major family
    {"maj", "major", "1 3 5", {0, 4, 7, N, N, N, N}},
    {"6", "6", "1 3 5 6", {0, 4, 7, 9, N, N, N}},
    {"maj7", "maj7", "1 3 5 7", {0, 4, 7, 11, N, N, N}},
    {"ma9#5", "maj9#5", "1 3 #5 7 9", {0, 2, 4, 8, 11, N, N}},
    {"aug(+)", "aug(+)", "1 3 #5", {0, 4, 8, N, N, N, N}},
    {"6/9", "6/9", "1 3 5 6 9", {0, 2, 4, 7, 9, N, N}},
    {"maj9", "maj9", "1 3 5 7 9", {0, 2, 4, 7, 11, N, N}},
    {"sus4", "sus4", "1 4 5", {0, 5, 7, N, N, N, N}},
    {"maj(b5)", "maj(b5)", "1 3 b5", {0, 4, 6, N, N, N, N}},
    {"add9", "add9", "1 3 5 9", {0, 2, 4, 7, N, N, N}},
    {"maj7(add13)", "maj7(add13)", "1 3 5 7 13", {0, 4, 7, 9, 11, N, N}},
    {"maj13", "maj13", "1 3 5 7 9 13", {0, 2, 4, 7, 9, 11, N}},
    {"maj7sus", "maj7sus", "1 4 5 7", {0, 5, 7, 11, N, N, N}},
    {"maj7(b5)", "maj7(b5)", "1 3 b5 7", {0, 4, 6, 11, N, N, N}},
    {"maj7(#5)", "maj7(#5)", "1 3 #5 7", {0, 4, 8, 11, N, N, N}},
    {"maj7(#11)", "maj7(#11)", "1 3 5 7 #11", {0, 4, 6, 7, 11, N, N}},
    {"maj9(#11)", "maj9(#11)", "1 3 5 7 9 #11", {0, 2, 4, 6, 7, 11, N}},
    {"maj7sus(b5)", "maj7sus(b5)", "1 4 b5 7", {0, 5, 6, 11, N, N, N}},
    {"sus(add3/add9)", "sus(add3/add9)", "1 3 4 5 9", {0, 2, 4, 5, 7, N, N}},
    // Minor family
    {"minor", "minor", "1 b3 5", {0, 3, 7, N, N, N, N}},
    {"m7", "m7", "1 b3 5 b7", {0, 3, 7, 10, N, N, N}},
    {"m6", "m6", "1 b3 5 6", {0, 3, 7, 9, N, N, N}},
    {"m9", "m9", "1 b3 5 b7 9", {0, 2, 3, 7, 10, N, N}},
    {"dim(o)", "dim(o)", "1 b3 b5", {0, 3, 6, N, N, N, N}},
    {"m7b5", "m7b5", "1 b3 b5 b7", {0, 3, 6, 10, N, N, N}},
    {"m6/9", "m6/9", "1 b3 5 6 9", {0, 2, 3, 7, 9, N, N}},
    {"m(maj7)", "m(maj7)", "1 b3 5 7", {0, 3, 7, 11, N, N, N}},
    {"m9(maj7)", "m9(maj7)", "1 b3 5 7 9", {0, 2, 3, 7, 11, N, N}},
    {"m11", "m11", "1 b3 5 b7 9 11", {0, 2, 3, 5, 7, 10, N}},
    {"m13", "m13", "1 b3 5 b7 9 11 13", {0, 2, 3, 5, 7, 9, 10}},
    {"m(add9)", "m(add9)", "1 b3 5 9", {0, 2, 3, 7, N, N, N}},
    {"m7(add11)", "m7(add11)", "1 b3 5 b7 11", {0, 3, 5, 7, 10, N, N}},
    {"m7(add13)", "m7(add13)", "1 b3 5 b7 13", {0, 3, 7, 9, 10, N, N}},
    {"m9(b5)", "m9(b5)", "1 b3 b5 b7 9", {0, 2, 3, 6, 10, N, N}},
    {"m11(b5)", "m11(b5)", "1 b3 b5 b7 9 11", {0, 2, 3, 5, 6, 10, N}},
    {"o(addmaj7)", "o(addmaj7)", "1 b3 b5 7", {0, 3, 6, 11, N, N, N}},
    // Dominant family
    {"7", "7", "1 3 5 b7", {0, 4, 7, 10, N, N, N}},
    {"9", "9", "1 3 5 b7 9", {0, 2, 4, 7, 10, N, N}},
    {"11", "11", "1 3 5 b7 9 11", {0, 2, 4, 5, 7, 10, N}},
    {"13", "13", "1 3 5 b7 9 13", {0, 2, 4, 7, 9, 10, N}},
    {"7sus4", "7sus4", "1 4 5 b7", {0, 5, 7, 10, N, N, N}},
    {"7#5", "7#5", "1 3 #5 b7", {0, 4, 8, 10, N, N, N}},
    {"7b5", "7b5", "1 3 b5 b7", {0, 4, 6, 10, N, N, N}},
    {"7b9", "7b9", "1 3 5 b7 b9", {0, 1, 4, 7, 10, N, N}},
    {"9#5", "9#5", "1 3 #5 b7 9", {0, 2, 4, 8, 10, N, N}},
    {"9b5", "9b5", "1 3 b5 b7 9", {0, 2, 4, 6, 10, N, N}},
    {"9#11", "9#11", "1 3 5 b7 9 #11", {0, 2, 4, 6, 7, 10, N}},
    {"13b9", "13b9", "1 3 5 b7 b9 13", {0, 1, 4, 7, 9, 10, N}},
    {"7/6", "7/6", "1 3 5 6 b7", {0, 4, 7, 9, 10, N, N}},
    {"7#9", "7#9", "1 3 5 b7 #9", {0, 3, 4, 7, 10, N, N}},
    {"7#5b9", "7#5b9", "1 3 #5 b7 b9", {0, 1, 4, 8, 10, N, N}},
    {"13b5b9", "13b5b9", "1 3 b5 b7 b9 13", {0, 1, 4, 6, 9, 10, N}},
    {"9sus", "9sus", "1 4 5 b7 9", {0, 2, 5, 7, 10, N, N}},
    {"13sus", "13sus", "1 4 5 b7 9 13", {0, 2, 5, 7, 9, 10, N}},
    {"7(b5b9)", "7(b5b9)", "1 3 b5 b7 b9", {0, 1, 4, 6, 10, N, N}},
    {"7(#5#9)", "7(#5#9)", "1 3 #5 b7 #9", {0, 3, 4, 8, 10, N, N}},
    {"7(#11)", "7(#11)", "1 3 5 b7 #11", {0, 4, 6, 7, 10, N, N}},
    {"7(b9#11)", "7(b9#11)", "1 3 5 b7 b9 #11", {0, 1, 4, 6, 7, 10, N}},
    {"7(#9#11)", "7(#9#11)", "1 3 5 b7 #9 #11", {0, 3, 4, 6, 7, 10, N}},
    {"13(b5)", "13(b5)", "1 3 b5 b7 9 13", {0, 2, 4, 6, 9, 10, N}},
    {"7sus(b9)", "7sus(b9)", "1 4 5 b7 b9", {0, 1, 5, 7, 10, N, N}},
    {"13sus(b9)", "13sus(b9)", "1 4 5 b7 b9 13", {0, 1, 5, 7, 9, 10, N}},
}};

}  // namespace

std::span<const ChordTypeDefinition, kChordTypeCount> chordTypeDefinitions() {
  return kTypes;
}

FamilyType familyTypeOf(int dictionaryIndex) {
  if (dictionaryIndex < 0 || dictionaryIndex >= kChordTypeCount) {
    throw std::out_of_range("chord type index out of range");
  }
  for (int f = 2; f >= 0; --f) {
    if (dictionaryIndex >= kFamilies[f].firstDictionaryIndex) {
      return {kFamilies[f].family, dictionaryIndex - kFamilies[f].firstDictionaryIndex};
    }
  }
  return {ChordFamily::Major, dictionaryIndex};
}

}  // namespace strumly
