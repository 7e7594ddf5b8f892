#include <gtest/gtest.h>

#include "core/playpage/PlayPageLayout.h"
#include "core/playpage/PlayPageModel.h"

using namespace strumly;

namespace {

// A filled diagram told apart by its beginning fret.
ChordDiagram chord(int tag) {
  ChordDiagram c;
  c.empty = 0;
  c.beginFret = static_cast<std::uint8_t>(tag);
  return c;
}

void put(PlayPageModel& model, int slot, int tag) {
  model.slots()[static_cast<std::size_t>(slot)] = chord(tag);
}

// Tag of the chord in a slot, 0 when free.
int tagAt(const PlayPageModel& model, int slot) {
  const ChordDiagram& c = model.slot(SlotPos::of(slot));
  return c.isEmpty() ? 0 : c.beginFret;
}

int filledCount(const PlayPageModel& model) {
  int n = 0;
  for (const ChordDiagram& c : model.slots()) n += c.isEmpty() ? 0 : 1;
  return n;
}

}  // namespace

TEST(PlayPageModel, MeasureOfSlotInBothSignatures) {
  using enum TimeSignature;
  EXPECT_EQ(measureOfSlot(ThreeFour, {5, 0}), 1);
  EXPECT_EQ(measureOfSlot(ThreeFour, {6, 0}), 2);
  EXPECT_EQ(measureOfSlot(ThreeFour, {0, 3}), 7);
  EXPECT_EQ(measureOfSlot(ThreeFour, {11, 23}), 48);
  EXPECT_EQ(measureOfSlot(FourFour, {7, 0}), 1);
  EXPECT_EQ(measureOfSlot(FourFour, {8, 0}), 2);
  EXPECT_EQ(measureOfSlot(FourFour, {3, 1}), 2);  // measure 2 runs on into row 1
  EXPECT_EQ(measureOfSlot(FourFour, {4, 1}), 3);
  EXPECT_EQ(measureOfSlot(FourFour, {0, 2}), 4);
  EXPECT_EQ(measureOfSlot(FourFour, {8, 2}), 5);
  EXPECT_EQ(measureOfSlot(FourFour, {0, 23}), 35);
  EXPECT_EQ(measureOfSlot(FourFour, {11, 23}), 36);
}

TEST(PlayPageModel, InsertSpaceStaysInsideTheMeasure) {
  PlayPageModel model;  // 4/4: measure 1 is slots 0..7, measure 2 slots 8..15
  for (int s = 0; s < 16; ++s) put(model, s, s + 1);

  model.press(SlotPos::of(7));
  model.insertSpace();
  EXPECT_EQ(tagAt(model, 7), 0);  // the last slot only frees itself
  EXPECT_EQ(tagAt(model, 6), 7);
  EXPECT_EQ(tagAt(model, 8), 9);
  EXPECT_TRUE(model.undoAvailable());
  EXPECT_TRUE(model.isModified());

  // Measure 2 crosses into row 1: its chords shift across the row end and its last one is lost.
  model.press({10, 0});
  model.insertSpace();
  EXPECT_EQ(tagAt(model, 10), 0);
  EXPECT_EQ(tagAt(model, 11), 11);
  EXPECT_EQ(tagAt(model, 12), 12);
  EXPECT_EQ(tagAt(model, 15), 15);
  EXPECT_EQ(tagAt(model, 16), 0);
  EXPECT_EQ(filledCount(model), 14);
}

TEST(PlayPageModel, InsertMeasureShiftsLaterMeasuresButNotPastTheEnd) {
  PlayPageModel model;
  put(model, 0, 1);
  put(model, 272, 2);  // measure 35
  put(model, 280, 3);  // measure 36, the last in 4/4

  model.press({4, 23});
  model.insertMeasure();
  EXPECT_EQ(tagAt(model, 280), 0);
  EXPECT_EQ(tagAt(model, 272), 2);
  EXPECT_EQ(tagAt(model, 0), 1);

  put(model, 280, 3);
  model.press({0, 0});
  model.insertMeasure();
  EXPECT_EQ(tagAt(model, 0), 0);
  EXPECT_EQ(tagAt(model, 8), 1);
  EXPECT_EQ(tagAt(model, 280), 2);
  EXPECT_EQ(filledCount(model), 2);  // the last measure's chord fell off

  model.setTimeSignature(TimeSignature::ThreeFour);
  put(model, 282, 4);
  model.press({11, 23});  // measure 48, the last in 3/4
  model.insertMeasure();
  EXPECT_EQ(tagAt(model, 282), 0);
  EXPECT_EQ(tagAt(model, 280), 2);
}

TEST(PlayPageModel, DeleteMeasureLeavesTheGap) {
  PlayPageModel model;
  put(model, 8, 1);
  put(model, 16, 2);
  model.press({9, 0});
  ASSERT_EQ(model.deleteMeasure(), PlayQuestion::DeleteMeasure);
  EXPECT_EQ(tagAt(model, 8), 1);  // nothing happens before Yes
  model.deleteMeasureConfirmed();
  EXPECT_EQ(tagAt(model, 8), 0);
  EXPECT_EQ(tagAt(model, 16), 2);
  EXPECT_TRUE(model.undo());
  EXPECT_EQ(tagAt(model, 8), 1);
}

TEST(PlayPageModel, TimeSignatureChangeKeepsChordsAndResetsPlayStart) {
  PlayPageModel model;
  put(model, 9, 1);
  put(model, 200, 2);
  model.press({8, 0});
  ASSERT_EQ(model.doubleClick(), (SlotPos{8, 0}));
  model.savedMarkers(TimeSignature::ThreeFour).repeatCount[3] = 2;

  model.setTimeSignature(TimeSignature::ThreeFour);
  EXPECT_EQ(tagAt(model, 9), 1);
  EXPECT_EQ(tagAt(model, 200), 2);
  EXPECT_EQ(model.playStart(), (SlotPos{0, 0}));
  EXPECT_EQ(model.workingMarkers().repeatCount[3], 2);
  EXPECT_EQ(model.workingMarkers().loopFlag[47], 1);
  EXPECT_EQ(model.measureOfSlot({9, 0}), 2);
}

TEST(PlayPageModel, DoubleClickSetsPlayStartOnlyAtAMeasureStart) {
  PlayPageModel model;
  const auto doubleClickAt = [&](SlotPos pos) {
    model.press(pos);
    return model.doubleClick();
  };
  for (int c = 0; c <= 3; ++c) EXPECT_EQ(doubleClickAt({c, 3}), std::nullopt) << c;
  EXPECT_EQ(model.playStart(), (SlotPos{0, 0}));
  EXPECT_EQ(doubleClickAt({4, 3}), (SlotPos{4, 3}));
  EXPECT_EQ(doubleClickAt({5, 3}), (SlotPos{4, 3}));
  EXPECT_EQ(doubleClickAt({6, 3}), std::nullopt);
  EXPECT_EQ(doubleClickAt({9, 2}), (SlotPos{8, 2}));
  EXPECT_EQ(doubleClickAt({1, 2}), (SlotPos{0, 2}));
  EXPECT_EQ(model.playStart(), (SlotPos{0, 2}));

  model.setTimeSignature(TimeSignature::ThreeFour);
  EXPECT_EQ(doubleClickAt({7, 5}), (SlotPos{6, 5}));
  EXPECT_EQ(doubleClickAt({8, 5}), std::nullopt);

  model.beginPlacementFromOtherPage();
  EXPECT_EQ(doubleClickAt({0, 1}), std::nullopt);
}

TEST(PlayPageModel, UndoAfterCutAndPlacementRestoresThePageBeforeTheCut) {
  for (const bool alt : {false, true}) {
    PlayPageModel model;
    put(model, 0, 1);
    put(model, 3, 2);
    model.press({0, 0});
    const ChordDiagram held = model.cutMoveChord();
    EXPECT_EQ(held.beginFret, 1);
    EXPECT_EQ(tagAt(model, 0), 0);
    EXPECT_EQ(model.placement(), PlacementCursor::MoveChord);

    const PlaceKeys keys{alt, false};
    if (alt) {
      EXPECT_EQ(model.placeHeld({3, 0}, held, false, keys), std::nullopt);
      EXPECT_EQ(tagAt(model, 4), 2);
    } else {
      ASSERT_EQ(model.placeHeld({3, 0}, held, false, keys), PlayQuestion::ReplaceDiagram);
      EXPECT_EQ(tagAt(model, 3), 2);
      model.placeHeldConfirmed({3, 0}, held, keys);
    }
    EXPECT_EQ(tagAt(model, 3), 1);
    EXPECT_EQ(model.placement(), PlacementCursor::None);

    ASSERT_TRUE(model.undo());
    EXPECT_EQ(tagAt(model, 0), 1) << alt;
    EXPECT_EQ(tagAt(model, 3), 2) << alt;
    EXPECT_EQ(filledCount(model), 2) << alt;
    EXPECT_FALSE(model.undoAvailable());
  }
}

TEST(PlayPageModel, PlacementFromAnotherPageCanBeRepeatedWithCtrlAndCancelled) {
  PlayPageModel model;
  model.beginPlacementFromOtherPage();
  EXPECT_EQ(model.placeHeld({2, 0}, chord(5), false, {false, true}), std::nullopt);
  EXPECT_EQ(model.placement(), PlacementCursor::FromOtherPage);
  EXPECT_EQ(model.placeHeld({3, 0}, chord(5), false, {}), std::nullopt);
  EXPECT_EQ(model.placement(), PlacementCursor::None);
  EXPECT_EQ(tagAt(model, 2), 5);
  EXPECT_EQ(tagAt(model, 3), 5);

  model.beginPlacementFromOtherPage();
  EXPECT_EQ(model.placeHeld({4, 0}, chord(5), true, {}), std::nullopt);  // right press cancels
  EXPECT_EQ(model.placement(), PlacementCursor::None);
  EXPECT_EQ(tagAt(model, 4), 0);
}

TEST(PlayPageModel, CutMeasurePlacesTheMeasureAsItWasBeforeTheCut) {
  PlayPageModel model;
  put(model, 1, 1);
  put(model, 7, 2);
  put(model, 17, 3);  // in measure 3
  model.press({5, 0});
  model.cutMoveMeasure();
  EXPECT_EQ(filledCount(model), 1);

  model.press({4, 1});
  ASSERT_EQ(model.placeHeld({4, 1}, chord(9), false, {}), PlayQuestion::ReplaceMeasure);
  model.placeHeldConfirmed({4, 1}, chord(9), {});
  EXPECT_EQ(tagAt(model, 17), 1);
  EXPECT_EQ(tagAt(model, 23), 2);
  EXPECT_EQ(filledCount(model), 2);

  ASSERT_TRUE(model.undo());
  EXPECT_EQ(tagAt(model, 1), 1);
  EXPECT_EQ(tagAt(model, 17), 3);
}

TEST(PlayPageModel, DropCopiesAndLeavesTheSource) {
  PlayPageModel model;
  put(model, 0, 1);
  put(model, 30, 2);
  ChordDiagram held;

  EXPECT_TRUE(model.press({0, 0}));
  EXPECT_EQ(model.popupItems().copyMoveChord, true);
  EXPECT_EQ(model.dropDragged({5, 2}, held, {}), std::nullopt);
  EXPECT_EQ(tagAt(model, 29), 1);
  EXPECT_EQ(tagAt(model, 0), 1);
  EXPECT_EQ(held.beginFret, 1);
  ASSERT_EQ(model.dropDragged({6, 2}, held, {}), PlayQuestion::ReplaceDiagram);
  EXPECT_EQ(tagAt(model, 30), 2);

  // Alt inserts in front of the target without a question; Ctrl keeps the move cursor.
  EXPECT_EQ(model.dropDragged({6, 2}, held, {true, true}), std::nullopt);
  EXPECT_EQ(tagAt(model, 30), 1);
  EXPECT_EQ(tagAt(model, 31), 2);
  EXPECT_EQ(model.placement(), PlacementCursor::MoveChord);

  EXPECT_FALSE(model.press({1, 0}));
  EXPECT_EQ(model.popupItems().playChord, false);
  EXPECT_EQ(model.dropDragged({2, 0}, held, {}), std::nullopt);
  EXPECT_EQ(tagAt(model, 2), 0);
}

TEST(PlayPageModel, EraseAndTuningSource) {
  PlayPageModel model;
  model.setTimeSignature(TimeSignature::ThreeFour);
  put(model, 1, 1);    // (1, 0)
  put(model, 276, 2);  // (0, 23) comes first going down the columns
  EXPECT_EQ(model.firstFilledSlotColumnMajor(), (SlotPos{0, 23}));
  model.press({1, 0});
  model.copyMoveMeasure();
  model.savedMarkers(TimeSignature::FourFour).startRepeat[4] = 1;
  model.insertSpace();

  model.erase();
  EXPECT_EQ(filledCount(model), 0);
  EXPECT_EQ(model.firstFilledSlotColumnMajor(), std::nullopt);
  EXPECT_EQ(model.timeSignature(), TimeSignature::ThreeFour);
  EXPECT_EQ(model.savedMarkers(TimeSignature::FourFour), RepeatMarkers::defaults(TimeSignature::FourFour));
  EXPECT_EQ(model.workingMarkers(), RepeatMarkers::defaults(TimeSignature::ThreeFour));
  EXPECT_FALSE(model.isModified());
  EXPECT_FALSE(model.undoAvailable());
  EXPECT_EQ(model.placement(), PlacementCursor::None);
}

TEST(PlayPageLayout, HitTestAndSlotPoints) {
  EXPECT_EQ(playHitTest(20, 20), (SlotPos{0, 0}));
  EXPECT_EQ(playHitTest(30, 5), (SlotPos{0, 0}));
  EXPECT_EQ(playHitTest(19, 50), std::nullopt);
  EXPECT_EQ(playHitTest(82, 151), (SlotPos{0, 0}));
  EXPECT_EQ(playHitTest(83, 152), (SlotPos{1, 1}));
  EXPECT_EQ(playHitTest(775, 3055), (SlotPos{11, 22}));
  EXPECT_EQ(playHitTest(776, 100), std::nullopt);
  EXPECT_EQ(playHitTest(100, 3188), std::nullopt);

  EXPECT_EQ(playCellRect({1, 1}), (PixelRect{83, 132, 143, 218}));
  EXPECT_EQ(playChordLabelPoint({2, 3}), (PixelPoint{146, 409}));
  EXPECT_EQ(playDiagramPoint({2, 3}), (PixelPoint{146, 421}));
  EXPECT_EQ(playStartMarkerPoint({0, 0}), (PixelPoint{30, 95}));
  EXPECT_EQ(playStartMarkerPoint({4, 1}), (PixelPoint{282, 227}));
  EXPECT_EQ(playPageTop(4), 2376);
}

TEST(PlayPageLayout, GridNumbersAndBarLines) {
  const PlayGridRow row0 = playGridRow(TimeSignature::FourFour, 0);
  EXPECT_EQ(row0.barLineXs, (std::vector<int>{522}));
  EXPECT_EQ(row0.texts[1], (PlayGridText{{3, 85}, "1"}));
  EXPECT_EQ(row0.texts[2], (PlayGridText{{519, 85}, "2"}));
  const PlayGridRow row1 = playGridRow(TimeSignature::FourFour, 1);
  EXPECT_EQ(row1.barLineXs, (std::vector<int>{270, 770}));
  EXPECT_EQ(row1.texts[1], (PlayGridText{{3, 217}, "~2"}));
  EXPECT_EQ(row1.texts[2], (PlayGridText{{267, 217}, "3"}));
  const PlayGridRow row23 = playGridRow(TimeSignature::FourFour, 23);
  EXPECT_EQ(row23.texts[1].text, "~35");
  EXPECT_EQ(row23.texts[2].text, "36");

  const PlayGridRow waltz = playGridRow(TimeSignature::ThreeFour, 2);
  EXPECT_EQ(waltz.signaturePicture, (PixelPoint{3, 359}));
  EXPECT_EQ(waltz.barLineXs, (std::vector<int>{396, 770}));
  EXPECT_EQ(waltz.texts[0], (PlayGridText{{3, 349}, "5    "}));
  EXPECT_EQ(waltz.texts[1], (PlayGridText{{393, 349}, "6"}));
}

TEST(PlayPageLayout, RepeatMarkerPointsFollowTheMeasures) {
  using enum TimeSignature;
  EXPECT_EQ(repeatMarkerPoints(FourFour, 0), (RepeatMarkerPoints{{20, 95}, {514, 95}}));
  EXPECT_EQ(repeatMarkerPoints(FourFour, 1), (RepeatMarkerPoints{{523, 95}, {262, 227}}));
  EXPECT_EQ(repeatMarkerPoints(FourFour, 2), (RepeatMarkerPoints{{271, 227}, {762, 227}}));
  EXPECT_EQ(repeatMarkerPoints(FourFour, 4), (RepeatMarkerPoints{{523, 359}, {262, 491}}));
  EXPECT_EQ(repeatMarkerPoints(FourFour, 35), (RepeatMarkerPoints{{271, 3131}, {762, 3131}}));
  EXPECT_EQ(repeatMarkerPoints(ThreeFour, 3), (RepeatMarkerPoints{{397, 227}, {762, 227}}));
  EXPECT_EQ(repeatMarkerPoints(ThreeFour, 46), (RepeatMarkerPoints{{20, 3131}, {388, 3131}}));

  const RepeatMarkerPoints first = repeatMarkerPoints(FourFour, 0);
  EXPECT_EQ(first.countText(), (PixelPoint{498, 105}));
  EXPECT_EQ(first.loopMarker(), (PixelPoint{488, 95}));
}
