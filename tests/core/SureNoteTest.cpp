// A string plucked near its middle sounds almost only its fundamental: beside rich low strings it
// has little salience, yet it is a note; so is a weaker one with its second partial. A strong lone
// partial of a lower string is not. Tones made here, so the notes are known.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/listen/ChordListener.h"

namespace strumly {
namespace {

constexpr double kRate = 44100;

double noteHz(int midi) {
  return 440.0 * std::exp2((midi - 69) / 12.0);
}

struct Tone {
  double hz;
  double amplitude;
};

// E2 B2 E3 with twenty partials each (the first at 0.05) from 0.5 s on, and `tones`.
std::vector<HeardChord> hearStrum(std::initializer_list<Tone> tones) {
  std::vector<float> samples(static_cast<std::size_t>(kRate), 0.0f);
  for (std::size_t i = samples.size() / 2; i < samples.size(); ++i) {
    const double t = static_cast<double>(i) / kRate - 0.5;
    double x = 0;
    for (const Tone& tone : tones) x += tone.amplitude * std::sin(2 * std::numbers::pi * tone.hz * t);
    for (int midi : {40, 47, 52})
      for (int h = 1; h <= 20; ++h) x += 0.05 / h * std::sin(2 * std::numbers::pi * h * noteHz(midi) * t);
    samples[i] = static_cast<float>(x * std::exp(-2 * t));
  }
  ChordListener listener(kRate, builtInChordTypes());
  std::vector<HeardChord> heard = listener.feed(samples.data(), samples.size());
  for (HeardChord& c : listener.finish()) heard.push_back(c);
  return heard;
}

TEST(SureNote, AStrongFundamentalIsANoteOfTheStrumAndALowerStringsPartialIsNot) {
  const std::vector<HeardChord> withGSharp = hearStrum({{noteHz(56), 0.05}});  // G#3, its fundamental alone
  ASSERT_EQ(withGSharp.size(), 1u);
  EXPECT_LE(std::llabs(withGSharp[0].ms - 500), 30);
  EXPECT_EQ(pitchClassesText(withGSharp[0].pitchClasses), "E G# B");

  // E2's fifth partial, 14 cents below G#4, made as strong: still E2's.
  const std::vector<HeardChord> withPartial = hearStrum({{5 * noteHz(40), 0.05}});
  ASSERT_EQ(withPartial.size(), 1u);
  EXPECT_EQ(pitchClassesText(withPartial[0].pitchClasses), "E B");

  // A3 at about a quarter of the strongest peak (E3 with E2's octave): a note with its second
  // partial, a stray peak without it.
  const std::vector<HeardChord> withA = hearStrum({{noteHz(57), 0.02}, {2 * noteHz(57), 0.01}});
  ASSERT_EQ(withA.size(), 1u);
  EXPECT_EQ(pitchClassesText(withA[0].pitchClasses), "E A B");
  const std::vector<HeardChord> stray = hearStrum({{noteHz(57), 0.02}});
  ASSERT_EQ(stray.size(), 1u);
  EXPECT_EQ(pitchClassesText(stray[0].pitchClasses), "E B");
}

}  // namespace
}  // namespace strumly
