#include <gtest/gtest.h>

#include "core/app/PageRules.h"

namespace strumly {
namespace {

TEST(PageEntry, TuningLockedOnlyWhereThePageKeepsItsOwnChords) {
  EXPECT_TRUE(tuningLocked(PageId::Chords));
  EXPECT_TRUE(tuningLocked(PageId::PlayPage));
  EXPECT_TRUE(tuningLocked(PageId::Print));
  EXPECT_FALSE(tuningLocked(PageId::ChordDesign));
  EXPECT_FALSE(tuningLocked(PageId::Scales));
  EXPECT_FALSE(tuningLocked(PageId::Tablature));
}

TEST(Wheel, WholeNotchesOnlyAndTheRestIsKept) {
  WheelAccumulator wheel;
  EXPECT_EQ(wheel.add(60), 0);
  EXPECT_EQ(wheel.add(60), 1);
  EXPECT_EQ(wheel.pending(), 0);
  EXPECT_EQ(wheel.add(-250), -2);
  EXPECT_EQ(wheel.pending(), -10);
  EXPECT_EQ(wheel.add(130), 1);
  EXPECT_EQ(wheel.pending(), 0);
  // High-resolution wheels send small steps.
  int steps = 0;
  for (int i = 0; i < 24; ++i) steps += wheel.add(15);
  EXPECT_EQ(steps, 3);
}

TEST(FormKeyDown, SpaceStartsOrStopsByPageWhenStepPlayIsOff) {
  KeyState s;
  s.page = PageId::Chords;
  EXPECT_EQ(decideKey(PreviewKey::Space, s).action, KeyAction::StartPlay);
  s.playing = true;
  EXPECT_EQ(decideKey(PreviewKey::Space, s).action, KeyAction::None);
  for (PageId p : {PageId::PlayPage, PageId::Scales, PageId::Print, PageId::Tablature}) {
    s.page = p;
    EXPECT_EQ(decideKey(PreviewKey::Right, s).action, KeyAction::Stop);
  }
  s.page = PageId::ChordDesign;
  EXPECT_EQ(decideKey(PreviewKey::Space, s).action, KeyAction::None);
  EXPECT_FALSE(decideKey(PreviewKey::Space, s).focusStrumSpeed);
}

TEST(FormKeyDown, StepPlayStepsOnlyWhenNoChordSounds) {
  KeyState s{PageId::PlayPage, true, true, false};
  EXPECT_EQ(decideKey(PreviewKey::Right, s).action, KeyAction::StepForward);
  EXPECT_EQ(decideKey(PreviewKey::Left, s).action, KeyAction::StepBackward);
  s.chordSounding = true;
  EXPECT_EQ(decideKey(PreviewKey::Right, s).action, KeyAction::None);
  EXPECT_EQ(decideKey(PreviewKey::Left, s).action, KeyAction::None);
  s = {PageId::Scales, true, true, false};
  EXPECT_EQ(decideKey(PreviewKey::Space, s).action, KeyAction::Stop);
  EXPECT_EQ(decideKey(PreviewKey::Left, s).action, KeyAction::StepBackward);
  s.page = PageId::Print;
  EXPECT_EQ(decideKey(PreviewKey::Left, s).action, KeyAction::None);
  s = {PageId::PlayPage, false, true, false};
  EXPECT_EQ(decideKey(PreviewKey::Left, s).action, KeyAction::None);
}

TEST(FormKeyDown, OtherKeysReturnFocusAndFingerKeysWorkOnChordDesignOnly) {
  KeyState s;
  auto d = decideKey(PreviewKey::Digit3, s);
  EXPECT_TRUE(d.focusStrumSpeed);
  EXPECT_FALSE(d.finger.has_value());
  s.page = PageId::ChordDesign;
  d = decideKey(PreviewKey::Digit3, s);
  EXPECT_TRUE(d.focusStrumSpeed);
  EXPECT_EQ(d.finger, FingerButton::Three);
  EXPECT_EQ(decideKey(PreviewKey::P, s).finger, FingerButton::Plain);
  EXPECT_FALSE(decideKey(PreviewKey::Other, s).finger.has_value());
}

TEST(StepPlay, PositionsWrapAtBothEnds) {
  EXPECT_EQ(stepPlayPosition(287, +1), 0);
  EXPECT_EQ(stepPlayPosition(0, -1), 287);
  EXPECT_EQ(stepPlayPosition(10, +1), 11);
}

}  // namespace
}  // namespace strumly
