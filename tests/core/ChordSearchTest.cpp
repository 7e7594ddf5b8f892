// The chord search names a fingering by the chord types whose intervals hold its notes.
#include <gtest/gtest.h>

#include "core/chords/ChordSearch.h"

namespace strumly {
namespace {

constexpr std::uint8_t N = 255;

ChordTypeRecord type(const char* name, std::array<std::uint8_t, 7> intervals) {
  ChordTypeRecord t;
  t.name = name;
  t.intervals = intervals;
  return t;
}

// A small dictionary in list order: maj, minor, m7, 6, 6/9, maj7, 7.
const std::vector<ChordTypeRecord> kTypes{
    type("maj", {0, 4, 7, N, N, N, N}), type("minor", {0, 3, 7, N, N, N, N}),
    type("m7", {0, 3, 7, 10, N, N, N}), type("6", {0, 4, 7, 9, N, N, N}),
    type("6/9", {0, 2, 4, 7, 9, N, N}), type("maj7", {0, 4, 7, 11, N, N, N}),
    type("7", {0, 4, 7, 10, N, N, N}),
};
enum { kMaj, kMinor, kM7, kSix, kSixNine, kMaj7, kSeven };

ChordSearchRequest request(std::array<std::uint8_t, 7> intervals, PitchClass root, bool sounds,
                           IntervalOption io, RootOption ro) {
  return {intervals, root, sounds, io, ro};
}

using M = std::vector<ChordSearchMatch>;

TEST(ChordSearchTest, CEGWithRootCSoundingListsTheTypesHoldingThemInListOrder) {
  const auto containing = searchChords(
      request({0, 4, 7, N, N, N, N}, 0, true, IntervalOption::Containing, RootOption::CurrentRoot), kTypes);
  EXPECT_TRUE(containing.searched);
  EXPECT_EQ(containing.matches, (M{{kMaj, 0}, {kSix, 0}, {kSixNine, 0}, {kMaj7, 0}, {kSeven, 0}}));
  const auto only = searchChords(
      request({0, 4, 7, N, N, N, N}, 0, true, IntervalOption::TheseNotesOnly, RootOption::CurrentRoot),
      kTypes);
  EXPECT_EQ(only.matches, (M{{kMaj, 0}}));
  // A row names the root, the type and, after a tab, the formula.
  ChordTypeRecord maj = kTypes[kMaj];
  maj.formula = "1 3 5";
  EXPECT_EQ(chordSearchRowText({kMaj, 10}, maj, NoteNames{}), "Bb maj\t1 3 5");
}

TEST(ChordSearchTest, TwoNotesAlwaysSearchForTypesContainingThem) {
  // C and G with root C: "these notes only" would find nothing with two notes.
  const auto out = searchChords(
      request({0, 7, N, N, N, N, N}, 0, true, IntervalOption::TheseNotesOnly, RootOption::CurrentRoot),
      kTypes);
  EXPECT_EQ(out.intervalOption, IntervalOption::Containing);
  EXPECT_EQ(out.matches.size(), kTypes.size());
  // One note, or the root alone, is nothing to search for.
  EXPECT_FALSE(searchChords(request({0, N, N, N, N, N, N}, 0, true, IntervalOption::Containing,
                                    RootOption::CurrentRoot),
                            kTypes)
                   .searched);
  EXPECT_FALSE(
      searchChords(request({0, 7, N, N, N, N, N}, 0, false, IntervalOption::Containing, RootOption::AllKeys),
                   kTypes)
          .searched);
}

TEST(ChordSearchTest, ARootThatDoesNotSoundIsReplacedByEachNote) {
  // E G B fingered over root C, C not sounding: tried as E, then G, then B.
  const auto out = searchChords(
      request({0, 4, 7, 11, N, N, N}, 0, false, IntervalOption::Containing, RootOption::CurrentRoot), kTypes);
  EXPECT_EQ(out.rootOption, RootOption::EachNote);
  EXPECT_EQ(out.matches, (M{{kMinor, 4}, {kM7, 4}, {kSix, 7}, {kSixNine, 7}}));
  // Over all twelve keys, C counts as a root that does not sound: its own entry is not used,
  // so C maj7 (E G B above C) is exactly these notes, as is E minor.
  const auto keys = searchChords(
      request({0, 4, 7, 11, N, N, N}, 0, false, IntervalOption::TheseNotesOnly, RootOption::AllKeys), kTypes);
  EXPECT_EQ(keys.matches, (M{{kMaj7, 0}, {kMinor, 4}}));
}

TEST(ChordSearchTest, ATypeUsingAllSevenIntervalsIsComparedToItsLastEntry) {
  const std::vector<ChordTypeRecord> m13{type("m13", {0, 2, 3, 5, 7, 9, 10})};
  // Bb is the last entry of m13; no end mark follows it.
  EXPECT_EQ(
      searchChords(
          request({0, 3, 10, N, N, N, N}, 0, true, IntervalOption::Containing, RootOption::CurrentRoot), m13)
          .matches,
      (M{{0, 0}}));
  // All seven notes fingered: exactly m13, and no more than m13 compared.
  EXPECT_EQ(searchChords(request({0, 2, 3, 5, 7, 9, 10}, 0, true, IntervalOption::TheseNotesOnly,
                                 RootOption::CurrentRoot),
                         m13)
                .matches,
            (M{{0, 0}}));
  // A user type's compound 9th (14) matches a fingered 2nd.
  const std::vector<ChordTypeRecord> add9{type("add9", {0, 4, 7, 14, N, N, N})};
  EXPECT_EQ(searchChords(request({0, 2, 4, 7, N, N, N}, 0, true, IntervalOption::TheseNotesOnly,
                                 RootOption::CurrentRoot),
                         add9)
                .matches,
            (M{{0, 0}}));
}

}  // namespace
}  // namespace strumly
