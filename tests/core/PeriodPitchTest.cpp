// The period of a short stretch, with expected pitches from equal temperament (A2 = 110 Hz,
// E4 = 329.63 Hz at A4 = 440 Hz).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "core/listen/PeriodPitch.h"

using strumly::listen::periodPitch;

namespace {

constexpr double kRate = 44100;
constexpr std::size_t kStretch = 1279;  // 29 ms, what the listener has when the onset is reported

// A plucked tone: partials of the given amplitudes, fading over a quarter second.
std::vector<float> tone(double f0, std::initializer_list<double> partials) {
  std::vector<float> x(kStretch);
  for (std::size_t i = 0; i < x.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0;
    int k = 1;
    for (double a : partials) v += a * std::sin(2 * std::numbers::pi * k++ * f0 * t + 0.3 * k);
    x[i] = static_cast<float>(0.3 * v * std::exp(-4 * t));
  }
  return x;
}

double cents(double hz, double expected) {
  return 1200 * std::log2(hz / expected);
}

}  // namespace

TEST(PeriodPitch, NamesTheStringNotItsPartialsNorItsSubharmonics) {
  // A low string whose second partial is twice its fundamental still repeats after its own period.
  const auto a2 = tone(110.0, {0.5, 1.0, 0.6, 0.3});
  const auto low = periodPitch(a2.data(), a2.size(), kRate, 78, 1400);
  EXPECT_NEAR(cents(low.hz, 110.0), 0, 10);
  EXPECT_GT(low.clarity, 0.9);

  // A high note repeats after three of its periods too (A2's), but is its own period.
  const auto e4 = tone(329.63, {1.0, 0.4, 0.2});
  const auto high = periodPitch(e4.data(), e4.size(), kRate, 78, 1400);
  EXPECT_NEAR(cents(high.hz, 329.63), 0, 10);

  // Asked only about a range, it answers there: near A2 the E4 repeats as well (three of its
  // periods), near a third of that it is E4 again, which is how the listener tells the two apart.
  const auto asA2 = periodPitch(e4.data(), e4.size(), kRate, 0.95 * 110.0, 1.05 * 110.0);
  EXPECT_NEAR(cents(asA2.hz, 110.0), 0, 10);
  const auto back = periodPitch(e4.data(), e4.size(), kRate, 2.85 * asA2.hz, 3.15 * asA2.hz);
  EXPECT_NEAR(cents(back.hz, 329.63), 0, 10);
  EXPECT_GT(back.clarity, 0.9);
}

TEST(PeriodPitch, NoiseHasNoClearPeriod) {
  std::mt19937 random(7);
  std::normal_distribution<float> noise(0.0f, 0.1f);
  std::vector<float> x(kStretch);
  for (float& v : x) v = noise(random);
  EXPECT_LT(periodPitch(x.data(), x.size(), kRate, 78, 1400).clarity, 0.5);

  std::vector<float> silence(kStretch, 0.0f);
  EXPECT_EQ(periodPitch(silence.data(), silence.size(), kRate, 78, 1400).hz, 0);
}
