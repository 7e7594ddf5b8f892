#include <gtest/gtest.h>

#include "core/theory/IntervalDisplay.h"
#include "core/theory/Intervals.h"

namespace strumly {
namespace {

// A chord fingered from given sounding pitches (0 = string not played).
ChordDiagram chordWith(PitchClass root, std::array<PitchNumber, 6> pitches) {
  ChordDiagram chord;
  chord.empty = 0;
  chord.root = root;
  chord.pitches = pitches;
  return chord;
}

std::vector<std::string_view> namesOf(const ChordDiagram& chord) {
  std::vector<std::string_view> names;
  for (auto i : chord.intervals) {
    if (i != kUnusedInterval) names.push_back(intervalName(i));
  }
  return names;
}

TEST(IntervalNames, UnnamedValuesAndOutOfRangeGiveEmptyText) {
  for (int v : {12, 16, 19, 22, 255, -1}) EXPECT_TRUE(intervalName(v).empty()) << v;
  EXPECT_EQ(intervalName(15), "#9");
  EXPECT_EQ(intervalName(20), "b13");
}

TEST(IntervalNames, ReadoutAddsTheCompoundSpellingWhereThereIsOne) {
  EXPECT_EQ(intervalWithCompound(3), "b3 / #9");
  EXPECT_EQ(intervalWithCompound(9), "6 / 13");
  EXPECT_EQ(intervalWithCompound(7), "5");
  EXPECT_EQ(intervalWithCompound(0), "1");
}

TEST(CompoundFlags, OnlyIntervalsWithACompoundNameSwitch) {
  CompoundFlags flags;
  for (int i : {0, 4, 7, 10, 11}) {
    EXPECT_FALSE(flags.toggle(i)) << i;
    EXPECT_FALSE(flags.isCompound(i)) << i;
  }
  for (int i : {1, 2, 3, 5, 6, 8, 9}) {
    EXPECT_TRUE(flags.toggle(i)) << i;
    EXPECT_TRUE(flags.isCompound(i)) << i;
    flags.toggle(i);
    EXPECT_FALSE(flags.isCompound(i)) << i;
  }
  EXPECT_FALSE(flags.toggle(12));
  EXPECT_FALSE(flags.toggle(-3));
}

TEST(ComputeIntervals, RootThenSimpleThenCompoundAscending) {
  CompoundFlags flags;
  flags.toggle(2);
  // C root with E, G and D sounding.
  ChordDiagram chord = chordWith(0, {64, 62, 55, 48, 0, 0});
  computeIntervals(chord, flags);
  EXPECT_EQ(chord.intervals, (std::array<std::uint8_t, 7>{0, 4, 7, 14, 255, 255, 255}));
  EXPECT_EQ(namesOf(chord), (std::vector<std::string_view>{"1", "3", "5", "9"}));
}

TEST(ComputeIntervals, EmptyChordAndOctavesAndRootlessChords) {
  CompoundFlags flags;
  ChordDiagram muted = chordWith(0, {0, 0, 0, 0, 0, 0});
  computeIntervals(muted, flags);
  EXPECT_EQ(muted.intervals, (std::array<std::uint8_t, 7>{0, 255, 255, 255, 255, 255, 255}));

  // Two Gs an octave apart over root C give one "5".
  ChordDiagram octave = chordWith(0, {67, 0, 55, 0, 0, 0});
  computeIntervals(octave, flags);
  EXPECT_EQ(namesOf(octave), (std::vector<std::string_view>{"1", "5"}));

  // The root is listed even when no string plays it, and stale entries are wiped.
  ChordDiagram stale = chordWith(9, {64, 0, 0, 0, 0, 0});
  stale.intervals = {3, 3, 3, 3, 3, 3, 3};
  computeIntervals(stale, flags);
  EXPECT_EQ(stale.intervals, (std::array<std::uint8_t, 7>{0, 7, 255, 255, 255, 255, 255}));
}

TEST(ComputeIntervals, SwitchingFlatThirdMovesItBehindTheSimpleIntervals) {
  CompoundFlags flags;
  // A minor: A C E G.
  ChordDiagram chord = chordWith(9, {64, 60, 55, 57, 45, 0});
  computeIntervals(chord, flags);
  EXPECT_EQ(namesOf(chord), (std::vector<std::string_view>{"1", "b3", "5", "b7"}));
  flags.toggle(3);
  computeIntervals(chord, flags);
  EXPECT_EQ(namesOf(chord), (std::vector<std::string_view>{"1", "5", "b7", "#9"}));
}

TEST(ComputeIntervals, SixDifferentNotesFillAllSevenSlots) {
  CompoundFlags flags;
  flags.toggle(1);
  flags.toggle(9);
  ChordDiagram chord = chordWith(0, {61, 62, 63, 65, 69, 71});  // Db D Eb F A B over C
  computeIntervals(chord, flags);
  EXPECT_EQ(chord.intervals, (std::array<std::uint8_t, 7>{0, 2, 3, 5, 11, 13, 21}));
}

TEST(NotesAcrossNeck, GMajorOverTheWholeNeckMarksEveryGBAndD) {
  std::array<std::uint8_t, 7> maj{0, 4, 7, 255, 255, 255, 255};
  auto marks = notesAcrossNeck(maj, 7, kStandardTuning, notesAcrossNeckRange(true, 1));
  int roots = 0;
  for (const auto& m : marks) {
    PitchClass pc = pitchClassOf(kStandardTuning[static_cast<std::size_t>(m.string)] + m.fret);
    ASSERT_TRUE(pc == 7 || pc == 11 || pc == 2) << m.string << "/" << m.fret;
    EXPECT_EQ(m.root, pc == 7);
    EXPECT_EQ(m.slot, pc == 7 ? 0 : (pc == 11 ? 1 : 2));
    roots += m.root ? 1 : 0;
    EXPECT_GE(m.fret, 0);
    EXPECT_LE(m.fret, 22);
  }
  // Every pitch class appears on each string within 23 frets once or twice: count exactly.
  int expected = 0;
  for (auto open : kStandardTuning) {
    for (int f = 0; f <= 22; ++f) {
      PitchClass pc = pitchClassOf(open + f);
      expected += (pc == 7 || pc == 11 || pc == 2) ? 1 : 0;
    }
  }
  EXPECT_EQ(static_cast<int>(marks.size()), expected);
  EXPECT_GT(roots, 6);
}

TEST(NotesAcrossNeck, ListStopsAtFirstUnusedAndRepeatsAreMarkedOnce) {
  // 9 written twice (2 and 14), and an entry after the first 255 that must not count.
  std::array<std::uint8_t, 7> type{0, 2, 14, 255, 5, 255, 255};
  auto marks = notesAcrossNeck(type, 0, kStandardTuning, {0, 12});
  for (const auto& m : marks) {
    PitchClass pc = pitchClassOf(kStandardTuning[static_cast<std::size_t>(m.string)] + m.fret);
    EXPECT_NE(pc, 5) << "F after the first unused slot was marked";
    if (pc == 2) EXPECT_EQ(m.slot, 1);
  }
  for (std::size_t i = 0; i < marks.size(); ++i) {
    for (std::size_t j = i + 1; j < marks.size(); ++j) {
      EXPECT_FALSE(marks[i].string == marks[j].string && marks[i].fret == marks[j].fret);
    }
  }
}

TEST(NotesAcrossNeck, RangeAroundTheDiagramStaysOnTheNeck) {
  auto around = notesAcrossNeckRange(false, 5);
  EXPECT_EQ(around.first, 4);
  EXPECT_EQ(around.last, 8);
  auto nut = notesAcrossNeckRange(false, 1);
  EXPECT_EQ(nut.first, 0);
  EXPECT_EQ(nut.last, 4);
  auto top = notesAcrossNeckRange(false, 21);
  EXPECT_EQ(top.last, 22);
}

}  // namespace
}  // namespace strumly
