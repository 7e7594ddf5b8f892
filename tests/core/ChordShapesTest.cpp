// The shipped chord dictionary judged by what a guitarist knows rather than by the rules that
// made it: the open shapes every method teaches, the barre forms, and chord tones worked out from
// standard tuning and interval sets written here from the chord symbols.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "core/chords/ChordDictionary.h"

namespace strumly {
namespace {

const std::filesystem::path kProgramFolder = STRUMLY_PROGRAM_DIR;
constexpr std::array<int, 6> kOpenStrings{64, 59, 55, 50, 45, 40};  // string 0 = high e
constexpr const char* kKeyNames[] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
constexpr int kMuted = -1;

struct Chord {
  ChordFamily family;
  int number;
  const char* name;     // as the dictionary names it
  std::set<int> tones;  // semitones above the root
};
const Chord kMajor{ChordFamily::Major, 0, "maj", {0, 4, 7}};
const Chord kSix{ChordFamily::Major, 1, "6", {0, 4, 7, 9}};
const Chord kMajor7{ChordFamily::Major, 2, "maj7", {0, 4, 7, 11}};
const Chord kAugmented{ChordFamily::Major, 4, "aug(+)", {0, 4, 8}};
const Chord kSus4{ChordFamily::Major, 7, "sus4", {0, 5, 7}};
const Chord kAdd9{ChordFamily::Major, 9, "add9", {0, 2, 4, 7}};
const Chord kMinor{ChordFamily::Minor, 0, "minor", {0, 3, 7}};
const Chord kMinor7{ChordFamily::Minor, 1, "m7", {0, 3, 7, 10}};
const Chord kDiminished{ChordFamily::Minor, 4, "dim(o)", {0, 3, 6}};
const Chord kHalfDiminished{ChordFamily::Minor, 5, "m7b5", {0, 3, 6, 10}};
const Chord kSeventh{ChordFamily::Dominant, 0, "7", {0, 4, 7, 10}};
const Chord kNinth{ChordFamily::Dominant, 1, "9", {0, 2, 4, 7, 10}};

std::array<ChordDiagram, kVoicingsPerChord> voicings(const Chord& c, int key) {
  return LoadChordVoicings(kProgramFolder, c.family, c.number, static_cast<PitchClass>(key));
}

// Fret per string from the low E string up, kMuted where the string is not played.
std::array<int, 6> lowToHigh(const ChordDiagram& d) {
  std::array<int, 6> frets{};
  for (int s = 0; s < 6; ++s) frets[5 - s] = d.strings[s].finger == kFingerMuted ? kMuted : d.strings[s].fret;
  return frets;
}

// "x32010": low E string first, x = muted.
std::string shapeText(const ChordDiagram& d) {
  std::string text;
  for (int fret : lowToHigh(d))
    text += fret == kMuted ? "x" : fret < 10 ? std::to_string(fret) : "(" + std::to_string(fret) + ")";
  return text;
}

std::vector<int> soundingPitches(const ChordDiagram& d) {
  std::vector<int> pitches;
  for (int s = 5; s >= 0; --s)
    if (d.strings[s].finger != kFingerMuted) pitches.push_back(kOpenStrings[s] + d.strings[s].fret);
  return pitches;
}

int aboveRoot(int pitch, int key) {
  return ((pitch - key) % 12 + 12) % 12;
}

std::string label(const Chord& c, int key) {
  return std::string(kKeyNames[key]) + " " + c.name;
}

TEST(ChordShapesTest, VoicingOneOfTheOpenChordsIsTheShapeEveryMethodTeaches) {
  struct Open {
    const Chord& chord;
    int key;
    const char* shape;
  };
  const Open open[] = {
      {kMajor, 0, "x32010"},   {kMajor, 9, "x02220"},   {kMajor, 7, "320003"},   {kMajor, 4, "022100"},
      {kMajor, 2, "xx0232"},   {kMinor, 9, "x02210"},   {kMinor, 4, "022000"},   {kMinor, 2, "xx0231"},
      {kSeventh, 0, "x32310"}, {kSeventh, 4, "020100"}, {kSeventh, 9, "x02020"}, {kSeventh, 2, "xx0212"},
      {kSeventh, 7, "320001"}, {kMinor7, 9, "x02010"},  {kMajor7, 0, "x32000"},  {kMajor7, 5, "xx3210"},
  };
  for (const auto& o : open)
    EXPECT_EQ(shapeText(voicings(o.chord, o.key)[0]), o.shape) << label(o.chord, o.key);
  // Em7 is taught both with the D on the B string and as the two-finger shape.
  EXPECT_THAT(shapeText(voicings(kMinor7, 4)[0]), ::testing::AnyOf("022030", "020000"));
}

TEST(ChordShapesTest, MajorMinorAndSeventhChordsStartWithAHandShapeAndHaveTheirBarreForms) {
  for (const Chord* c : {&kMajor, &kMinor, &kSeventh}) {
    for (int key = 0; key < kKeyCount; ++key) {
      const auto set = voicings(*c, key);
      // Voicing 1: the root in the bass and the fretted notes under one hand.
      const auto pitches = soundingPitches(set[0]);
      ASSERT_FALSE(pitches.empty()) << label(*c, key);
      EXPECT_EQ(aboveRoot(*std::min_element(pitches.begin(), pitches.end()), key), 0)
          << label(*c, key) << " " << shapeText(set[0]);
      int low = 99, high = 0;
      for (int fret : lowToHigh(set[0]))
        if (fret > 0) low = std::min(low, fret), high = std::max(high, fret);
      EXPECT_LE(high - low, 3) << label(*c, key) << " " << shapeText(set[0]);

      // The E-form and A-form barres: the open E and A shapes moved up so the nut becomes the index
      // barre. Fret 0 is the open chord itself.
      if (c == &kSeventh) continue;
      const int e = (key - 4 + 12) % 12, a = (key - 9 + 12) % 12;
      const std::array<int, 6> eForm =
          c == &kMajor ? std::array{e, e + 2, e + 2, e + 1, e, e} : std::array{e, e + 2, e + 2, e, e, e};
      const std::array<int, 6> aForm = c == &kMajor ? std::array{kMuted, a, a + 2, a + 2, a + 2, a}
                                                    : std::array{kMuted, a, a + 2, a + 2, a + 1, a};
      const auto has = [&](const std::array<int, 6>& frets) {
        return std::any_of(set.begin(), set.end(),
                           [&](const ChordDiagram& d) { return lowToHigh(d) == frets; });
      };
      EXPECT_TRUE(has(eForm)) << label(*c, key) << ": E form at fret " << e;
      EXPECT_TRUE(has(aForm)) << label(*c, key) << ": A form at fret " << a;
    }
  }
}

TEST(ChordShapesTest, EverySoundingNoteOfTheCommonChordsIsAChordTone) {
  for (const Chord* c : {&kMajor, &kMinor, &kSeventh, &kMajor7, &kMinor7, &kSix, &kDiminished, &kAugmented,
                         &kSus4, &kAdd9, &kNinth, &kHalfDiminished}) {
    for (int key = 0; key < kKeyCount; ++key) {
      const auto set = voicings(*c, key);
      for (int v = 0; v < kVoicingsPerChord; ++v) {
        const ChordDiagram& d = set[static_cast<std::size_t>(v)];
        ASSERT_EQ(d.name.view(), c->name) << label(*c, key) << ": family and number name another chord";
        std::set<int> heard;
        for (int p : soundingPitches(d)) heard.insert(aboveRoot(p, key));
        const auto where = label(*c, key) + " voicing " + std::to_string(v + 1) + " " + shapeText(d);
        for (int t : heard)
          EXPECT_EQ(c->tones.count(t), 1u) << where << ": " << t << " semitones above the root";
        // The perfect fifth is the one tone a voicing may leave out; without any other it is
        // another chord.
        for (int t : c->tones) EXPECT_TRUE(t == 7 || heard.count(t) == 1) << where << ": lacks " << t;
      }
    }
  }
}

}  // namespace
}  // namespace strumly
