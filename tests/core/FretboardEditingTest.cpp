// Fingering a chord on the design neck: mute/open at the nut, fingers above it, right-press root,
// typed frets and the beginning fret.
#include <gtest/gtest.h>

#include "core/views/ChordEditing.h"

namespace strumly {
namespace {

ChordDiagram allMuted() {
  ChordDiagram chord;
  chord.empty = 0;
  chord.strings.fill({0, kFingerMuted});
  chord.pitches = {};
  return chord;
}

EditContext standard(std::uint8_t finger = kFingerPlain) {
  return {Tuning{}, "Standard", finger};
}

TEST(FretboardEditing, LeftPressAtTheNutTogglesMuteAndOpen) {
  ChordDiagram chord = allMuted();
  ASSERT_TRUE(pressString(chord, standard(), 2, 0, NeckButton::Left));
  EXPECT_EQ(chord.strings[2], (StringFret{0, kFingerOpen}));
  EXPECT_EQ(chord.pitches[2], 55);
  EXPECT_EQ(fretEditText(chord, 2), "0");

  ASSERT_TRUE(pressString(chord, standard(), 2, 0, NeckButton::Left));
  EXPECT_EQ(chord.strings[2], (StringFret{0, kFingerMuted}));
  EXPECT_EQ(chord.pitches[2], 0);
  EXPECT_EQ(fretEditText(chord, 2), "");

  // A fingered string pressed at the nut sounds, so a left press mutes it.
  ASSERT_TRUE(pressString(chord, standard(), 1, 3, NeckButton::Left));
  ASSERT_TRUE(pressString(chord, standard(), 1, 0, NeckButton::Left));
  EXPECT_EQ(chord.strings[1].finger, kFingerMuted);
}

TEST(FretboardEditing, FingersAboveTheNutComeFromTheFingerButton) {
  ChordDiagram chord = allMuted();
  pressString(chord, standard(3), 4, 3, NeckButton::Left);
  pressString(chord, standard(2), 3, 2, NeckButton::Left);
  pressString(chord, standard(kFingerPlain), 1, 1, NeckButton::Left);
  EXPECT_EQ(chord.strings[4], (StringFret{3, 3}));
  EXPECT_EQ(chord.strings[3], (StringFret{2, 2}));
  EXPECT_EQ(chord.strings[1], (StringFret{1, kFingerPlain}));
  EXPECT_EQ(chord.pitches[4], 48);
  EXPECT_EQ(chord.pitches[3], 52);
  EXPECT_EQ(chord.pitches[1], 60);
  EXPECT_EQ(fretEditText(chord, 4), "3");
  EXPECT_EQ(chord.root, 0) << "a left press never moves the root";
}

TEST(FretboardEditing, RightPressOpensAndSetsRootAndBass) {
  ChordDiagram chord = allMuted();
  pressString(chord, standard(), 3, 0, NeckButton::Right);  // open D string
  EXPECT_EQ(chord.strings[3], (StringFret{0, kFingerOpen}));
  EXPECT_EQ(chord.root, 2);
  EXPECT_EQ(chord.bass, 26);
  // A right press on an open string keeps it open rather than muting it.
  pressString(chord, standard(), 3, 0, NeckButton::Right);
  EXPECT_EQ(chord.strings[3].finger, kFingerOpen);
  // Above the nut the finger button still decides the code.
  pressString(chord, standard(1), 5, 5, NeckButton::Right);  // A on the low E string
  EXPECT_EQ(chord.strings[5], (StringFret{5, 1}));
  EXPECT_EQ(chord.root, 9);
  EXPECT_EQ(chord.bass, 33);
}

TEST(FretboardEditing, EditingUsesTheTuningOnTheControls) {
  ChordDiagram chord = allMuted();
  EditContext dropD = standard();
  dropD.tuning.pitches[5] = 38;
  pressString(chord, dropD, 5, 0, NeckButton::Right);
  EXPECT_EQ(chord.pitches[5], 38);
  EXPECT_EQ(chord.root, 2);
}

TEST(FretboardEditing, AnEmptyChordStartsFreshInTheCurrentTuning) {
  ChordDiagram chord;  // empty record
  chord.strings[0] = {7, 3};
  EditContext context = standard();
  context.tuning.pitches[0] = 62;
  context.tuningName = "D B G D A E ";
  pressString(chord, context, 2, 2, NeckButton::Left);
  EXPECT_FALSE(chord.isEmpty());
  EXPECT_EQ(chord.tuning[0], 62);
  EXPECT_EQ(chord.tuningName.view(), "D B G D A E ");
  EXPECT_EQ(chord.strings[0], (StringFret{0, kFingerMuted}))
      << "stale strings of an empty record are dropped";
  EXPECT_EQ(chord.pitches[2], 57);
}

TEST(FretboardEditing, BeginningFretFollowsTheHighestAndLowestFrets) {
  ChordDiagram chord = allMuted();
  pressString(chord, standard(), 5, 5, NeckButton::Left);
  pressString(chord, standard(), 4, 7, NeckButton::Left);
  pressString(chord, standard(), 3, 7, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 5);

  chord = allMuted();
  pressString(chord, standard(), 5, 2, NeckButton::Left);
  pressString(chord, standard(), 4, 3, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 1);
  pressString(chord, standard(), 3, 4, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 1) << "a highest fret of 4 still fits the first rows";

  chord = allMuted();
  pressString(chord, standard(), 2, 18, NeckButton::Left);
  pressString(chord, standard(), 1, 20, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 17);
  // Muting a string by its edit sets its fret to 0 and takes it out of the reckoning.
  setStringFret(chord, standard(), 2, std::nullopt);
  setStringFret(chord, standard(), 1, 5);
  EXPECT_EQ(chord.beginFret, 5);
}

TEST(FretboardEditing, MutedStringsCountWithTheirStoredFret) {
  ChordDiagram chord = allMuted();
  chord.strings[0] = {9, kFingerMuted};  // as a loaded design may carry
  pressString(chord, standard(), 5, 6, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 6);
  pressString(chord, standard(), 5, 2, NeckButton::Left);
  EXPECT_EQ(chord.beginFret, 2);
}

TEST(FretboardEditing, TypedFrets) {
  ChordDiagram chord = allMuted();
  EXPECT_EQ(parseFretEdit("23"), std::nullopt);
  EXPECT_EQ(parseFretEdit(""), std::nullopt);
  EXPECT_EQ(parseFretEdit("-1"), std::nullopt);
  EXPECT_EQ(parseFretEdit("x"), std::nullopt);
  EXPECT_EQ(parseFretEdit("07"), 7);
  EXPECT_EQ(parseFretEdit("22"), 22);

  // 23 reads as nothing, so string 2 ends up muted.
  setStringFret(chord, standard(4), 2, 3);
  setStringFret(chord, standard(4), 2, parseFretEdit("23"));
  EXPECT_EQ(chord.strings[2], (StringFret{0, kFingerMuted}));
  EXPECT_EQ(chord.pitches[2], 0);

  // 0 opens the string even when it is already open (a left press there would mute it).
  setStringFret(chord, standard(), 2, 0);
  setStringFret(chord, standard(), 2, 0);
  EXPECT_EQ(chord.strings[2], (StringFret{0, kFingerOpen}));
  // Nothing mutes it even when it is already muted (a left press there would open it).
  setStringFret(chord, standard(), 2, std::nullopt);
  setStringFret(chord, standard(), 2, std::nullopt);
  EXPECT_EQ(chord.strings[2].finger, kFingerMuted);

  setStringFret(chord, standard(4), 0, 12);
  EXPECT_EQ(chord.strings[0], (StringFret{12, 4}));
  EXPECT_EQ(chord.pitches[0], 76);
  EXPECT_EQ(fretEditText(chord, 0), "12");
}

TEST(FretboardEditing, PositionsOffTheNeckChangeNothing) {
  ChordDiagram chord = allMuted();
  const ChordDiagram before = chord;
  EXPECT_FALSE(pressString(chord, standard(), 6, 3, NeckButton::Left));
  EXPECT_FALSE(pressString(chord, standard(), -1, 3, NeckButton::Right));
  EXPECT_FALSE(pressString(chord, standard(), 0, 23, NeckButton::Left));
  EXPECT_FALSE(setStringFret(chord, standard(), 0, 40));
  EXPECT_FALSE(setStringFret(chord, standard(), 9, 1));
  EXPECT_EQ(chord, before);
  EXPECT_EQ(fretEditText(chord, 7), "");
}

}  // namespace
}  // namespace strumly
