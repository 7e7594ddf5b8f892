#include <gtest/gtest.h>

#include "core/chords/ChordsPageModel.h"

namespace strumly {
namespace {

ChordsPageModel::Voicings voicingsOf(PitchClass key, int firstFret) {
  ChordsPageModel::Voicings v;
  for (int d = 0; d < 6; ++d) {
    ChordDiagram& c = v[static_cast<std::size_t>(d)];
    c.empty = 0;
    c.root = key;
    c.bass = static_cast<std::uint8_t>(key + 24);
    c.beginFret = static_cast<std::uint8_t>(firstFret + d);
    for (int s = 0; s < 6; ++s)
      c.strings[static_cast<std::size_t>(s)] = {static_cast<std::uint8_t>(firstFret + d), 1};
    c.strings[5] = {3, kFingerMuted};
  }
  return v;
}

// Pixel in the middle of a diagram cell of the Chords page.
std::pair<int, int> centreOf(int column, int row) {
  return {20 + 120 * column + 50, 30 + 150 * row + 60};
}

class ChordsPageModelTest : public ::testing::Test {
 protected:
  PageHolders holders;
  ChordsPageModel model{holders};
};

TEST_F(ChordsPageModelTest, AddedSetIsSelectedTargetedAndShownWithPitchesFilled) {
  ASSERT_EQ(model.addSet(voicingsOf(4, 2)), 0);
  ASSERT_EQ(model.addSet(voicingsOf(7, 5)), 1);
  EXPECT_EQ(model.setCount(), 2);
  EXPECT_EQ(model.selection(), (GridCell{0, 1}));
  EXPECT_EQ(model.target(), (GridCell{0, 1}));
  EXPECT_EQ(model.chordPageChord().root, 7);
  // A muted string carries a fret but sounds nothing.
  EXPECT_EQ(model.chordPageChord().pitches[5], 0);
  EXPECT_EQ(model.chordPageChord().pitches[0], 64 + 5);
  EXPECT_EQ(holders.chordAt(3, 0).beginFret, 5);
}

TEST_F(ChordsPageModelTest, SixthSetIsRefusedAndChangesNothing) {
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(model.addSet(voicingsOf(static_cast<PitchClass>(i), 1)));
  auto [x, y] = centreOf(2, 3);
  model.press(x, y, PressButton::Left);
  PageHolders before = holders;
  EXPECT_TRUE(model.isFull());
  EXPECT_FALSE(model.addSet(voicingsOf(11, 7)).has_value());
  EXPECT_EQ(model.selection(), (GridCell{2, 3}));
  EXPECT_EQ(holders.chordPageChord, before.chordPageChord);
  EXPECT_EQ(holders.chordPage, before.chordPage);
}

TEST_F(ChordsPageModelTest, LeftPressSelectsRightPressOnlyMovesTheTarget) {
  model.addSet(voicingsOf(0, 1));
  model.addSet(voicingsOf(2, 3));
  auto [x, y] = centreOf(2, 0);
  ChordsPagePress right = model.press(x, y, PressButton::Right);
  EXPECT_TRUE(right.armPopup);
  EXPECT_FALSE(right.newSelection.has_value());
  EXPECT_EQ(model.target(), (GridCell{2, 0}));
  EXPECT_EQ(model.selection(), (GridCell{0, 1}));
  EXPECT_EQ(model.chordPageChord().root, 2);
  EXPECT_EQ(model.targetDiagram()->beginFret, 3);

  ChordsPagePress left = model.press(x, y, PressButton::Left);
  EXPECT_TRUE(left.armPopup);
  EXPECT_EQ(left.previousSelection, (GridCell{0, 1}));
  EXPECT_EQ(left.newSelection, (GridCell{2, 0}));
  EXPECT_EQ(model.chordPageChord(), holders.chordAt(2, 0));

  // Pressing the selected diagram again changes nothing but keeps the popup available.
  ChordsPagePress again = model.press(x + 10, y - 10, PressButton::Left);
  EXPECT_TRUE(again.armPopup);
  EXPECT_FALSE(again.newSelection.has_value());
}

TEST_F(ChordsPageModelTest, PressBelowTheLastSetMovesOnlyTheTarget) {
  model.addSet(voicingsOf(0, 1));
  auto [x, y] = centreOf(4, 3);
  ChordsPagePress press = model.press(x, y, PressButton::Left);
  EXPECT_FALSE(press.armPopup);
  EXPECT_FALSE(press.newSelection.has_value());
  EXPECT_EQ(model.target(), (GridCell{4, 3}));
  EXPECT_EQ(model.selection(), (GridCell{0, 0}));
  EXPECT_FALSE(model.targetDiagram().has_value());
}

TEST_F(ChordsPageModelTest, PressesOutsideTheGridChangeNothing) {
  model.addSet(voicingsOf(0, 1));
  for (auto [x, y] : std::vector<std::pair<int, int>>{{741, 40}, {100, 771}, {-200, 40}, {100, -200}}) {
    ChordsPagePress press = model.press(x, y, PressButton::Left);
    EXPECT_FALSE(press.armPopup) << x << "," << y;
    EXPECT_EQ(model.target(), (GridCell{0, 0}));
  }
  // Just left of the first diagram still counts as column 0.
  EXPECT_TRUE(model.press(5, 100, PressButton::Right).armPopup);
}

TEST_F(ChordsPageModelTest, EraseEmptiesEverythingAndRecountStopsAtTheFirstGap) {
  model.addSet(voicingsOf(0, 1));
  model.addSet(voicingsOf(1, 1));
  model.addSet(voicingsOf(2, 1));
  model.erase();
  EXPECT_EQ(model.setCount(), 0);
  EXPECT_TRUE(model.chordPageChord().isEmpty());
  EXPECT_FALSE(model.selection().has_value());
  for (int d = 0; d < 6; ++d) {
    for (int s = 0; s < 5; ++s) EXPECT_TRUE(holders.chordAt(d, s).isEmpty());
  }
  EXPECT_FALSE(model.nextDiagram().has_value());

  model.addSet(voicingsOf(0, 1));
  model.addSet(voicingsOf(1, 1));
  model.addSet(voicingsOf(2, 1));
  // A page file with a hole in set 1: sets after the hole are not counted.
  holders.chordAt(4, 1).empty = 1;
  model.recount();
  EXPECT_EQ(model.setCount(), 1);
  EXPECT_FALSE(model.selection().has_value());  // it was in set 2
}

TEST_F(ChordsPageModelTest, RedrawHeadingUsesTheRecordsNameAndFormula) {
  auto v = voicingsOf(4, 1);
  for (auto& c : v) {
    c.name = "m7";
    c.formula = "1 b3 5 b7  ";
    c.intervals = {0, 3, 7, 10, 255, 255, 255};
  }
  model.addSet(v);
  EXPECT_EQ(model.redrawHeading(0, NoteNames{}), "E m7   [  E G B D ]    [ 1 b3 5 b7 ]");
}

TEST_F(ChordsPageModelTest, NextDiagramWalksTheSetsAndWraps) {
  model.addSet(voicingsOf(0, 1));
  model.addSet(voicingsOf(1, 1));
  model.select({5, 0});
  EXPECT_EQ(model.nextDiagram(), (GridCell{0, 1}));
  model.select({5, 1});
  EXPECT_EQ(model.nextDiagram(), (GridCell{0, 0}));
  // Selecting a cell of an unused set is refused.
  EXPECT_FALSE(model.select({0, 3}).newSelection.has_value());
  EXPECT_EQ(model.selection(), (GridCell{5, 1}));
}

}  // namespace
}  // namespace strumly
