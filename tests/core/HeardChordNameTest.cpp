// A heard set of pitch classes named as the program names chords: the built-in types, then the
// user's; the type rooted on the bass wins, else the first in list order with the bass after " /".
#include <gtest/gtest.h>

#include <cmath>

#include "core/chords/ChordTypeList.h"
#include "core/listen/ChordListener.h"

namespace strumly {
namespace {

std::uint16_t set(std::initializer_list<int> pitchClasses) {
  std::uint16_t bits = 0;
  for (int pc : pitchClasses) bits = static_cast<std::uint16_t>(bits | (1u << pc));
  return bits;
}

TEST(HeardChordNameTest, SetsAreNamedByTheirBassAndTheTypeList) {
  std::vector<ChordTypeRecord> types = builtInChordTypes();
  // D E G B over E is E m7 (over G it is G 6); C E G over E is C major with E in the bass.
  EXPECT_EQ(nameChordSet(set({2, 4, 7, 11}), 4, types).name, "E m7");
  EXPECT_EQ(nameChordSet(set({2, 4, 7, 11}), 7, types).name, "G 6");
  EXPECT_EQ(nameChordSet(set({0, 4, 7}), 4, types).name, "C maj /E");
  EXPECT_EQ(nameChordSet(set({1, 6, 10}), 6, types, Spelling::Flats).name, "Gb maj");
  EXPECT_EQ(nameChordSet(set({0, 3, 6, 9}), 9, types).name, "");  // no built-in type is a dim7

  // A user type with that formula names it; its compound intervals fold into the octave.
  types.push_back(userChordType("dim7", "1 b3 b5 bb7", {0, 3, 6, 9, 255, 255, 255}));
  const ChordNaming dim7 = nameChordSet(set({0, 3, 6, 9}), 9, types);
  EXPECT_EQ(dim7.name, "A dim7");
  EXPECT_EQ(dim7.typeIndex, kChordTypeCount);
  EXPECT_EQ(nameChordSet(set({0, 2, 4, 7}), 0, types).name, "C add9");
  EXPECT_EQ(pitchClassesText(set({2, 4, 7, 11})), "D E G B");
  EXPECT_EQ(noteNameWithOctave(40), "E2");
  EXPECT_EQ(noteNameWithOctave(88), "E6");
  const NearestNote a3 = nearestNote(220.0 * std::exp2(-4.0 / 1200.0));
  EXPECT_EQ(a3.midi, 57);
  EXPECT_NEAR(a3.cents, -4.0, 1e-9);
  EXPECT_NEAR(nearestNote(432.0, 432.0).cents, 0.0, 1e-9);
}

}  // namespace
}  // namespace strumly
