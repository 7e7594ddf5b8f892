#include <gtest/gtest.h>

#include "core/playpage/RepeatEdit.h"

namespace strumly {
namespace {

TEST(RepeatDialogOpens, ShowsTheMarkersOfItsMeasure) {
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
  markers.startRepeat[4] = 1;
  markers.repeatCount[7] = 12;
  markers.repeatsLeft[7] = 3;  // half-way through playback: the dialog shows the set count

  EXPECT_EQ(repeatChoiceAt(markers, 0), (RepeatChoice{true, false, "", false}));
  EXPECT_EQ(repeatChoiceAt(markers, 4), (RepeatChoice{true, false, "", false}));
  EXPECT_EQ(repeatChoiceAt(markers, 7), (RepeatChoice{false, true, "12", false}));
  EXPECT_EQ(repeatChoiceAt(markers, 35), (RepeatChoice{false, false, "", true}));
}

TEST(RepeatCount, TypedTextIsKeptWithinOneTo255) {
  EXPECT_EQ(repeatCountFromText(""), 1);
  EXPECT_EQ(repeatCountFromText("   "), 1);
  EXPECT_EQ(repeatCountFromText("0"), 1);
  EXPECT_EQ(repeatCountFromText("000"), 1);
  EXPECT_EQ(repeatCountFromText("1"), 1);
  EXPECT_EQ(repeatCountFromText("7  "), 7);
  EXPECT_EQ(repeatCountFromText("255"), 255);
  EXPECT_EQ(repeatCountFromText("256"), 255);
  EXPECT_EQ(repeatCountFromText("300"), 255);
  EXPECT_EQ(repeatCountFromText("999"), 255);
}

TEST(RepeatDialogOk, EndRepeatStoresTheCountTwiceOnlyWhenTicked) {
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
  applyRepeatChoice(markers, 5, TimeSignature::FourFour, {false, true, "0", false}, false);
  EXPECT_EQ(markers.repeatCount[5], 1);
  EXPECT_EQ(markers.repeatsLeft[5], 1);

  applyRepeatChoice(markers, 6, TimeSignature::FourFour, {false, true, "300", false}, false);
  EXPECT_EQ(markers.repeatCount[6], 255);
  EXPECT_EQ(markers.repeatsLeft[6], 255);

  applyRepeatChoice(markers, 6, TimeSignature::FourFour, {false, false, "4", false}, false);
  EXPECT_EQ(markers.repeatCount[6], 0);
  EXPECT_EQ(markers.repeatsLeft[6], 0);

  applyRepeatChoice(markers, 8, TimeSignature::FourFour, {false, true, "", false}, false);
  EXPECT_EQ(markers.repeatCount[8], 1);
}

TEST(RepeatDialogOk, FirstMeasureAlwaysKeepsItsStartMarker) {
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::ThreeFour);
  markers.startRepeat[3] = 1;
  applyRepeatChoice(markers, 0, TimeSignature::ThreeFour, {false, false, "", false}, false);
  applyRepeatChoice(markers, 3, TimeSignature::ThreeFour, {false, false, "", false}, false);
  EXPECT_EQ(markers.startRepeat[0], 1);
  EXPECT_EQ(markers.startRepeat[3], 0);

  applyRepeatChoice(markers, 10, TimeSignature::ThreeFour, {true, false, "", false}, false);
  EXPECT_EQ(markers.startRepeat[10], 1);
}

TEST(RepeatDialogOk, OneLoopMarkerPerSong) {
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
  markers.loopFlag[20] = 1;  // a stray second marker from an older file
  applyRepeatChoice(markers, 12, TimeSignature::FourFour, {false, false, "", true}, false);
  RepeatMarkers expected = RepeatMarkers::defaults(TimeSignature::FourFour);
  expected.loopFlag[35] = 0;
  expected.loopFlag[12] = 1;
  EXPECT_EQ(markers, expected);
}

TEST(RepeatDialogOk, UntickingLoopWhereItWasSendsItToTheLastMeasure) {
  RepeatMarkers fourFour = RepeatMarkers::defaults(TimeSignature::FourFour);
  fourFour.loopFlag = {};
  fourFour.loopFlag[9] = 1;
  applyRepeatChoice(fourFour, 9, TimeSignature::FourFour, {false, false, "", false}, true);
  EXPECT_EQ(fourFour, RepeatMarkers::defaults(TimeSignature::FourFour));

  RepeatMarkers threeFour = RepeatMarkers::defaults(TimeSignature::ThreeFour);
  threeFour.loopFlag = {};
  threeFour.loopFlag[40] = 1;
  applyRepeatChoice(threeFour, 40, TimeSignature::ThreeFour, {false, false, "", false}, true);
  EXPECT_EQ(threeFour.loopFlag[40], 0);
  EXPECT_EQ(threeFour.loopFlag[47], 1);
}

TEST(RepeatDialogOk, LoopLeftUntickedElsewhereChangesNoLoopMarker) {
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
  markers.loopFlag = {};
  markers.loopFlag[9] = 1;
  const RepeatMarkers before = markers;
  applyRepeatChoice(markers, 2, TimeSignature::FourFour, {false, false, "", false}, false);
  EXPECT_EQ(markers.loopFlag, before.loopFlag);
}

}  // namespace
}  // namespace strumly
