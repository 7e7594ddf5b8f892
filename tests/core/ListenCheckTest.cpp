// Listen's marking rules and the tuner's reading, with expected values from the chords' and
// scales' notes and from equal temperament.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/listen/StrumNotes.h"
#include "core/practice/ListenCheck.h"
#include "core/practice/TunerReading.h"

using namespace strumly;

namespace {

std::uint16_t classes(std::initializer_list<int> pcs) {
  std::uint16_t set = 0;
  for (int pc : pcs) set = static_cast<std::uint16_t>(set | (1u << pc));
  return set;
}

constexpr int C = 0, D = 2, E = 4, Fs = 6, G = 7, B = 11;
// E m7 as 0 2 2 0 3 0 from the low string: E2 B2 E3 G3 D4 E4; string 0 is the high E.
const std::array<PitchNumber, 6> kEm7{64, 62, 55, 52, 47, 40};
const NoteNames kSharps{Spelling::Sharps};

}  // namespace

TEST(ListenCheck, StrummedChordAgainstTheChordOnTheNeck) {
  ChordCheck right = checkChord(kEm7, classes({E, G, B, D}));
  EXPECT_EQ(chordCheckText(right, kSharps), "Right");
  for (StringMark m : right.strings) EXPECT_EQ(m, StringMark::Heard);

  // No B heard: the A string's B2 stays grey, the rest are green.
  ChordCheck noB = checkChord(kEm7, classes({E, G, D}));
  EXPECT_EQ(chordCheckText(noB, kSharps), "Missing B");
  EXPECT_EQ(noB.strings[4], StringMark::NotHeard);
  EXPECT_EQ(noB.strings[1], StringMark::Heard);

  ChordCheck sharp = checkChord(kEm7, classes({E, G, B, D, Fs}));
  EXPECT_EQ(chordCheckText(sharp, kSharps), "Extra F#");
  EXPECT_EQ(sharp.extra, classes({Fs}));
  EXPECT_EQ(chordCheckText(checkChord(kEm7, classes({E, G, D, Fs})), NoteNames{Spelling::Flats}),
            "Missing B, extra Gb");
  EXPECT_EQ(chordCheckText(checkChord(kEm7, classes({E})), kSharps), "Missing D G B");

  // C major x 3 2 0 1 0: the low string is not played.
  ChordCheck c = checkChord({64, 60, 55, 52, 48, 0}, classes({C, E, G}));
  EXPECT_TRUE(c.right());
  EXPECT_EQ(c.strings[5], StringMark::Silent);

  EXPECT_EQ(heardChordText("E m7", classes({E, G, B, D}), kSharps), "Heard: E m7");
  EXPECT_EQ(heardChordText("", classes({C, Fs, B}), kSharps), "Heard: C F# B");
}

TEST(ListenCheck, ScalePositionCountsItsNotesOnceAndTheWrongOnes) {
  // Part of C major on the top strings: B3 twice (G string fret 4, open B string), C4, D4, E4.
  std::array<bool, 12> cMajor{};
  for (int pc : {0, 2, 4, 5, 7, 9, 11}) cMajor[static_cast<std::size_t>(pc)] = true;
  ScalePractice p({{2, 4, 59}, {1, 0, 59}, {1, 1, 60}, {1, 3, 62}, {0, 0, 64}}, cMajor);
  EXPECT_EQ(p.progressText(), "0 of 5 notes played, 0 wrong");
  EXPECT_EQ(p.hear(60).place, 2);
  // The same B played twice covers both of its places, a third time neither.
  EXPECT_EQ(p.hear(59).place, 0);
  EXPECT_EQ(p.hear(59).place, 1);
  EXPECT_EQ(p.hear(59).verdict, ScalePractice::Verdict::AlreadyPlayed);
  EXPECT_EQ(p.hear(61).verdict, ScalePractice::Verdict::Wrong);        // C#
  EXPECT_EQ(p.hear(48).verdict, ScalePractice::Verdict::OtherOctave);  // C3: in the scale, not here
  EXPECT_EQ(p.progressText(), "3 of 5 notes played, 1 wrong");
  EXPECT_TRUE(p.isPlayed(1));
  EXPECT_FALSE(p.isPlayed(4));
  p.restart();
  EXPECT_EQ(p.progressText(), "0 of 5 notes played, 0 wrong");
}

TEST(TunerReading, NearestStringOfTheCurrentTuning) {
  const Tuning standard;
  auto low = readTuner(82.4069, standard, 440);  // E2
  ASSERT_TRUE(low);
  EXPECT_EQ(low->string, 5);
  EXPECT_TRUE(low->inTune);
  EXPECT_NEAR(low->centsOff, 0, 0.1);

  auto flatA = readTuner(110.0 * std::pow(2.0, -10 / 1200.0), standard, 440);
  EXPECT_EQ(flatA->string, 4);
  EXPECT_NEAR(flatA->centsOff, -10, 0.01);
  EXPECT_FALSE(flatA->inTune);
  EXPECT_EQ(flatA->heardPitch, 45);

  // D2 is two semitones under standard's low E (the needle stops at -50) but in tune on drop D.
  auto d2 = readTuner(73.4162, standard, 440);
  EXPECT_EQ(d2->string, 5);
  EXPECT_EQ(d2->centsOff, -50);
  EXPECT_EQ(d2->heardPitch, 38);
  Tuning dropD;
  dropD.pitches[5] = 38;
  EXPECT_TRUE(readTuner(73.4162, dropD, 440)->inTune);

  // Against A4 = 442, A2 is 110.5 Hz; 2.5 cents sharp is still in tune, 3.5 is not.
  EXPECT_TRUE(readTuner(110.5 * std::pow(2.0, 2.5 / 1200.0), standard, 442)->inTune);
  EXPECT_FALSE(readTuner(110.5 * std::pow(2.0, 3.5 / 1200.0), standard, 442)->inTune);
  EXPECT_FALSE(readTuner(0, standard, 440));
}

// What six strings in standard tuning can sound together: the open E minor and a barre F, but
// not two notes only the low string has, seven notes, or frets a hand cannot span.
TEST(StrumNotes, OnlyWhatSixStringsCanSoundIsAChord) {
  using listen::playableOnSixStrings;
  const std::vector<int> eMinor{40, 47, 52, 55, 59, 64};       // 022000
  const std::vector<int> fBarre{41, 48, 53, 57, 60, 65};       // 133211
  const std::vector<int> lowOnly{40, 41};                      // E2 and F2: the low string alone
  const std::vector<int> seven{40, 45, 50, 55, 59, 64, 69};    // one more than the strings
  const std::vector<int> stretch{47, 76};                      // A string fret 2, high E fret 12
  const std::vector<int> openAndHigh{40, 45, 50, 67, 71, 76};  // open strings beside frets 12
  EXPECT_TRUE(playableOnSixStrings(eMinor));
  EXPECT_TRUE(playableOnSixStrings(fBarre));
  EXPECT_FALSE(playableOnSixStrings(lowOnly));
  EXPECT_FALSE(playableOnSixStrings(seven));
  EXPECT_FALSE(playableOnSixStrings(stretch));
  EXPECT_TRUE(playableOnSixStrings(openAndHigh));
}
