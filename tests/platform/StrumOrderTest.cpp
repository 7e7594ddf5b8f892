// A note whose partials all lie on a lower string's (G4 over C3, their twelfth) heard from the
// strum's order: the higher string sounds later. Rendered by the program's own synth, 12 ms a
// string, lowest first.
#include <gtest/gtest.h>

#include <string>

#include "core/listen/ChordListener.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

constexpr int kRate = 44100;

TEST(StrumOrder, ATwelfthAboveTheBassIsHeard) {
  const auto soundFont = findSoundFont();
  ASSERT_TRUE(soundFont.has_value()) << "no General MIDI sound font installed";
  struct Case {
    int program;
    std::vector<int> notes;
    const char* heard;  // sharp names, C first
  };
  // C7 as x3x353 on the nylon guitar: the G on the high string lies on C3's 3rd partial. G6 as
  // x(10)998(10) on the steel guitar: the D on the high string lies on G3's.
  const Case cases[] = {{testing::kNylonGuitar, {48, 58, 64, 67}, "C E G A#"},
                        {testing::kSteelGuitar, {55, 59, 64, 67, 74}, "D E G B"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heard);
    OfflineRenderer renderer(*soundFont);
    const std::vector<float> mono = testing::renderStrikes(renderer, c.program, {{500, c.notes, 1100, 12}});
    ChordListener listener(kRate, builtInChordTypes());
    const std::vector<HeardChord> heard = testing::hearAll(listener, mono);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(pitchClassesText(heard[0].pitchClasses), c.heard);
  }
}

}  // namespace
}  // namespace strumly
