// The tuner's reading on the open strings of a standard-tuned guitar, rendered by the program's
// own synth (each string exactly in tune), and on a steady tone made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/listen/NoteListener.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

constexpr int kRate = 44100;
constexpr std::size_t kBlock = 441;  // 10 ms, as the audio input hands them over

// The reading after each block, from `fromMs` to `toMs`.
std::vector<PitchReading> readings(const std::vector<float>& mono, int fromMs, int toMs) {
  NoteListener listener(kRate);
  std::vector<PitchReading> out;
  for (std::size_t i = 0; i + kBlock <= mono.size(); i += kBlock) {
    listener.feed(mono.data() + i, kBlock);
    const int ms = static_cast<int>((i + kBlock) * 1000 / kRate);
    if (ms >= fromMs && ms <= toMs) out.push_back(listener.pitch());
  }
  return out;
}

// The sampled strings' own pitch moves by several cents as they ring, so only the note is held to.
TEST(ListenTuner, OpenStringsAreNamedAndHeldWhileTheyRing) {
  const auto soundFont = findSoundFont();
  ASSERT_TRUE(soundFont) << "no General MIDI sound font installed";
  for (int program : {testing::kNylonGuitar, testing::kSteelGuitar}) {
    for (int string : {40, 45, 50, 55, 59, 64}) {  // E2 A2 D3 G3 B3 E4
      SCOPED_TRACE("program " + std::to_string(program) + ", note " + std::to_string(string));
      OfflineRenderer renderer(*soundFont);  // a fresh synth: nothing of the last string rings on
      const auto mono = testing::renderStrikes(renderer, program, {{500, {string}, 2500}}, 0.2);
      for (const PitchReading& r : readings(mono, 0, 490)) EXPECT_FALSE(r.voiced) << "heard before the pluck";
      const std::vector<PitchReading> ringing = readings(mono, 600, 1500);
      for (std::size_t i = 0; i < ringing.size(); ++i) {
        const PitchReading& r = ringing[i];
        ASSERT_TRUE(r.voiced && r.midi == string) << "at " << 600 + 10 * i << " ms: " << r.midi;
      }
    }
  }
}

TEST(ListenTuner, ASteadyToneHoldsTheNeedleWithinACent) {
  // A4 a quarter tone sharp is 452.9 Hz; its harmonics fall off as a plucked string's do.
  const double hz = 440.0 * std::exp2(0.25 / 12.0);
  std::vector<float> mono(2 * kRate);
  for (std::size_t n = 0; n < mono.size(); ++n) {
    const double t = static_cast<double>(n) / kRate;
    for (int k = 1; k <= 5; ++k)
      mono[n] += static_cast<float>(0.2 / k * std::sin(2 * std::numbers::pi * k * hz * t));
  }
  const std::vector<PitchReading> held = readings(mono, 100, 2000);
  ASSERT_FALSE(held.empty());
  for (const PitchReading& r : held) {
    ASSERT_TRUE(r.voiced);
    EXPECT_EQ(r.midi, 69);
    EXPECT_NEAR(r.cents, 25.0, 1.0);
  }
}

}  // namespace
}  // namespace strumly
