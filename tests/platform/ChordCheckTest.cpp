// Listen's check of the chord on the neck, on strums rendered by the program's own synth (12 ms a
// string, lowest first): the strum is judged against the target's own notes.
#include <gtest/gtest.h>

#include "core/practice/ChordCheckListener.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

constexpr int kRate = 44100;

std::vector<CheckedStrum> checked(const std::vector<int>& played, const std::array<PitchNumber, kStringCount>& target,
                                  int program) {
  const auto soundFont = findSoundFont();
  if (!soundFont) return {};
  OfflineRenderer renderer(*soundFont);
  const std::vector<float> mono = testing::renderStrikes(renderer, program, {{500, played, 1100, 12}});
  ChordCheckListener listener(kRate, {});
  listener.setTarget(target);
  return testing::hearAll(listener, mono);
}

TEST(ChordCheck, TheStrumIsJudgedAgainstTheTargetsOwnNotes) {
  ASSERT_TRUE(findSoundFont().has_value()) << "no General MIDI sound font installed";
  constexpr std::uint16_t kF = 1u << 5, kG = 1u << 7;
  // C maj7 with the B on the high string, C3 E3 G3 C4 E4 B4: the B4 lies on E3's third partial,
  // where a strum heard blind loses it; looked for, it is there.
  const std::array<PitchNumber, kStringCount> cmaj7{48, 52, 55, 60, 64, 71};
  {
    const auto all = checked({48, 52, 55, 60, 64, 71}, cmaj7, testing::kNylonGuitar);
    ASSERT_EQ(all.size(), 1u);
    ASSERT_TRUE(all[0].check.has_value());
    EXPECT_TRUE(all[0].check->right()) << all[0].check->missing << ' ' << all[0].check->extra;
  }
  {
    // The G string left out: G is missing, that string alone not heard.
    const auto noG = checked({48, 52, 60, 64, 71}, cmaj7, testing::kNylonGuitar);
    ASSERT_EQ(noG.size(), 1u);
    ASSERT_TRUE(noG[0].check.has_value());
    EXPECT_EQ(noG[0].check->missing, kG);
    EXPECT_EQ(noG[0].check->extra, 0);
    EXPECT_EQ(noG[0].check->strings[2], StringMark::NotHeard);
    EXPECT_EQ(noG[0].check->strings[1], StringMark::Heard);
  }
  {
    // C maj x32010 played with the high string's first fret held, an F for the E: the E still
    // sounds on the D string, the F is extra.
    const auto withF = checked({48, 52, 55, 60, 65}, {0, 48, 52, 55, 60, 64}, testing::kSteelGuitar);
    ASSERT_EQ(withF.size(), 1u);
    ASSERT_TRUE(withF[0].check.has_value());
    EXPECT_EQ(withF[0].check->missing, 0);
    EXPECT_EQ(withF[0].check->extra, kF);
  }
  // Without a target the strum is only named.
  const auto blind = checked({48, 52, 55, 60, 64}, {}, testing::kSteelGuitar);
  ASSERT_EQ(blind.size(), 1u);
  EXPECT_FALSE(blind[0].check.has_value());
  EXPECT_NE(blind[0].heard.pitchClasses, 0);
}

}  // namespace
}  // namespace strumly
