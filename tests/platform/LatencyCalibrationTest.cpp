// The latency calibration's rule: each click's nearest strum, the median of their offsets, over
// strums the program's own renderer played at delays chosen here.
#include <gtest/gtest.h>

#include "core/practice/LiveScoring.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

TEST(LatencyCalibration, TheMedianOfTheStrumsOnTheClicksIsTheLatency) {
  // Open E major strummed low to high, 12 ms a string, 80 ms after three clicks a second apart and
  // 300 ms after the fourth: the one strum off the beat does not move the median (80, 80, 80, 300).
  const std::vector<double> clicks{1000, 2000, 3000, 4000};
  const std::array<int, 4> delays{80, 80, 300, 80};
  std::vector<testing::Strike> strums;
  for (std::size_t k = 0; k < clicks.size(); ++k)
    strums.push_back({static_cast<int>(clicks[k]) + delays[k], {40, 47, 52, 56, 59, 64}, 700, 12});
  const auto soundFont = findSoundFont();
  ASSERT_TRUE(soundFont.has_value()) << "no General MIDI sound font installed";
  OfflineRenderer renderer(*soundFont);
  const std::vector<float> take = testing::renderStrikes(renderer, testing::kSteelGuitar, strums);
  StrumOnsets onsets(44100);
  for (std::size_t at = 0; at < take.size(); at += 441)
    onsets.feed(take.data() + at, std::min<std::size_t>(441, take.size() - at));
  onsets.finish();
  const LatencyMeasurement measured = medianLatency(clicks, onsets.onsetsMs());
  EXPECT_EQ(measured.strums, 4);
  ASSERT_TRUE(measured.ms.has_value());
  EXPECT_NEAR(*measured.ms, 80, 15);

  // By hand: three strums give the middle one; two strums near the four clicks are too few; an
  // onset farther than 450 ms from every click is no strum on it.
  EXPECT_EQ(medianLatency(clicks, std::vector<double>{1030, 2050, 3040}).ms, 40);
  EXPECT_FALSE(medianLatency(clicks, std::vector<double>{1030, 2050}).ms.has_value());
  EXPECT_EQ(medianLatency(clicks, std::vector<double>{1030, 2050, 3500}).strums, 2);
}

}  // namespace
}  // namespace strumly
