#include <gtest/gtest.h>

#include "core/chords/ChordMenuTable.h"
#include "core/chords/ChordName.h"
#include "core/chords/ChordTypeList.h"

namespace strumly {
namespace {

TEST(ChordNameText, BassDifferentFromRootIsAppendedAfterASlash) {
  ChordDiagram chord;
  chord.root = 0;
  chord.name = "maj";
  chord.bass = 24;
  NoteNames flats;
  EXPECT_EQ(chordNameText(chord, flats), "C maj");
  chord.bass = 24 + 4;
  EXPECT_EQ(chordNameText(chord, flats), "C maj /E");
  chord.root = 1;
  chord.bass = 24 + 8;
  NoteNames sharps{Spelling::Sharps};
  EXPECT_EQ(chordNameText(chord, sharps), "C# maj /G#");
  EXPECT_EQ(chordNameText(chord, flats), "Db maj /Ab");
}

TEST(ChordNotesText, SkipsUnusedSlotsAndWrapsPastB) {
  NoteNames flats;
  std::array<std::uint8_t, 7> m7{0, 3, 7, 10, 255, 255, 255};
  EXPECT_EQ(chordNotesText(m7, 4, flats), " E G B D");
  std::array<std::uint8_t, 7> gapped{0, 255, 14, 255, 255, 255, 255};
  EXPECT_EQ(chordNotesText(gapped, 11, flats), " B Db");
}

TEST(TypedChordName, RootLetterAccidentalAndSlashBassAreTakenOff) {
  EXPECT_EQ(reduceTypedChordName("F#m7"), "m7");
  EXPECT_EQ(reduceTypedChordName("Bbmaj7"), "maj7");
  EXPECT_EQ(reduceTypedChordName("  C  sus4"), "sus4");
  EXPECT_EQ(reduceTypedChordName("6/9"), "6/9");
  EXPECT_EQ(reduceTypedChordName("Am/"), "m");
  EXPECT_EQ(reduceTypedChordName("C maj7 /E"), "maj7 ");
  EXPECT_EQ(reduceTypedChordName("Cmaj/ G"), "maj");
  EXPECT_EQ(reduceTypedChordName("Cm6/9"), "m6/9");
  // A lower-case letter is not a root: the text stays as typed.
  EXPECT_EQ(reduceTypedChordName("dim"), "dim");
}

TEST(TypedChordName, BlankTextTakesNothingOverAndLongTextIsCut) {
  EXPECT_FALSE(reduceTypedChordName("").has_value());
  EXPECT_FALSE(reduceTypedChordName("    ").has_value());
  EXPECT_EQ(reduceTypedChordName("C"), "");
  EXPECT_EQ(reduceTypedChordName("Gmaj7sus(b5)add13 extra"), "maj7sus(b5)add1");
}

TEST(ChordRootNormalisation, AccidentalSpellingsAndInvalidLetters) {
  EXPECT_EQ(normaliseChordRoot("e"), "E");
  EXPECT_EQ(normaliseChordRoot("f+"), "F#");
  EXPECT_EQ(normaliseChordRoot("c3"), "C#");
  EXPECT_EQ(normaliseChordRoot("b-"), "Bb");
  EXPECT_EQ(normaliseChordRoot("eB"), "Eb");
  EXPECT_EQ(normaliseChordRoot("Ax"), "A");
  EXPECT_EQ(normaliseChordRoot("h#"), "");
  EXPECT_EQ(normaliseChordRoot("#"), "");
  EXPECT_EQ(normaliseChordRoot(""), "");
}

TEST(ChordSetHeading, NotesAndTrimmedFormula) {
  NoteNames flats;
  std::array<std::uint8_t, 7> m7{0, 3, 7, 10, 255, 255, 255};
  EXPECT_EQ(chordSetHeading("E", "m7", m7, 4, "1 b3 5 b7   ", flats), "E m7   [  E G B D ]    [ 1 b3 5 b7 ]");
}

TEST(ChordMenus, ItemsMapToFamilyTypesAcrossTheSubmenuSplit) {
  // The first chord of each family menu sits at position 1 (the submenu is item 0).
  EXPECT_EQ(choiceForMenuItem(ChoiceMenu::Minor, 2), (MenuChoice{false, ChordFamily::Minor, 1}));
  EXPECT_FALSE(choiceForMenuItem(ChoiceMenu::Major, 0).has_value());
  EXPECT_EQ(choiceForMoreItem(ChoiceMenu::Major, 0)->number, 10);
  EXPECT_EQ(choiceForMoreItem(ChoiceMenu::Minor, 0)->number, 9);
  EXPECT_EQ(choiceForMoreItem(ChoiceMenu::Dominant, 0)->number, 13);
  EXPECT_EQ(choiceForMoreItem(ChoiceMenu::Scale, 0)->number, 23);
  EXPECT_TRUE(choiceForMoreItem(ChoiceMenu::Scale, 0)->scale);
  EXPECT_EQ(choiceForMoreItem(ChoiceMenu::Scale, 0)->familyNumber(), 0);
  // Every entry is reachable exactly once through menu and submenu.
  for (ChoiceMenu menu : {ChoiceMenu::Major, ChoiceMenu::Minor, ChoiceMenu::Dominant, ChoiceMenu::Scale}) {
    auto captions = menuEntryCaptions(menu);
    MenuSplit split = menuSplit(menu);
    ASSERT_EQ(split.mainCount + split.moreCount, static_cast<int>(captions.size()));
    std::vector<int> seen;
    for (int p = 0; p <= split.mainCount + 1; ++p) {
      if (auto c = choiceForMenuItem(menu, p)) seen.push_back(c->number);
    }
    for (int p = 0; p <= split.moreCount; ++p) {
      if (auto c = choiceForMoreItem(menu, p)) seen.push_back(c->number);
    }
    ASSERT_EQ(seen.size(), captions.size());
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], static_cast<int>(i));
  }
}

TEST(ChordMenus, CaptionsAreTheMenuCaptionsNotTheListNames) {
  EXPECT_EQ(choiceCaption({false, ChordFamily::Major, 0}), "major");
  EXPECT_EQ(choiceCaption({false, ChordFamily::Major, 3}), "maj9#5");
  EXPECT_EQ(choiceCaption({false, ChordFamily::Minor, 1}), "m7");
  EXPECT_EQ(choiceCaption({false, ChordFamily::Dominant, 25}), "13sus(b9)");
  EXPECT_EQ(choiceCaption({true, ChordFamily::Major, 46}), "JM 7 (Super Locrian)");
  EXPECT_EQ(choiceCaption({false, ChordFamily::Minor, 17}), "");
  EXPECT_EQ(menuEntryCaptions(ChoiceMenu::Dominant).size(), 26u);
  EXPECT_EQ(keyCaption(6, NoteNames{Spelling::Sharps}), "F#");
  EXPECT_EQ(keyCaption(6, NoteNames{}), "Gb");
}

TEST(ChordTypeList, BuiltInsThenUserTypes) {
  std::vector<std::string> user{"mine", "yours"};
  auto entries = chordTypeListEntries(user);
  ASSERT_EQ(entries.size(), 64u);
  EXPECT_EQ(entries[0], "maj");
  EXPECT_EQ(entries[3], "ma9#5");
  EXPECT_EQ(entries[61], "13sus(b9)");
  EXPECT_EQ(entries[62], "mine");
  EXPECT_EQ(userChordSection(63), "63");
}

TEST(ChordTypeList, UserTypeTextsAreCutAndBadIntervalsCountAsUnused) {
  auto type = userChordType("a very long chord name", "1 3 5 7 9 11 13 15 17 19", {0, 4, 7, 22, -1, 300, 21});
  EXPECT_EQ(type.name.view(), "a very long cho");
  EXPECT_EQ(type.formula.view(), "1 3 5 7 9 11 13 15 1");
  EXPECT_EQ(type.intervals, (std::array<std::uint8_t, 7>{0, 4, 7, 255, 255, 255, 21}));
}

}  // namespace
}  // namespace strumly
