// When each frequency of a strum rose, on tones made here: a harmonic low note from the onset and
// a higher note a twelfth above it from 40 ms on, the way a strum reaches a higher string later.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/listen/StrumTiming.h"

namespace strumly::listen {
namespace {

constexpr double kRate = 44100;

TEST(StrumTiming, ALaterStringRisesLaterOnTheLowerStringsPartial) {
  const std::size_t lead = StrumTiming::frameLength(kRate);
  const auto length = lead + static_cast<std::size_t>(0.16 * kRate);
  std::vector<float> samples(length, 0.0f);
  const double low = 130.81;     // C3, with its 2nd and 3rd partials
  const double upper = 3 * low;  // G4's place: C3's 3rd partial
  const double ringing = 220.0;  // a string still sounding from before the onset, fading
  for (std::size_t i = 0; i < length; ++i) {
    const double t = (static_cast<double>(i) - static_cast<double>(lead)) / kRate;
    double x = 0.2 * std::sin(2 * std::numbers::pi * ringing * t) * std::exp(-3 * (t + 0.1));
    if (t >= 0) {
      for (int h = 1; h <= 3; ++h) x += 0.3 / h * std::sin(2 * std::numbers::pi * h * low * t);
      if (t >= 0.040) x += 0.3 * std::sin(2 * std::numbers::pi * upper * t + 1.0);
    }
    samples[i] = static_cast<float>(x);
  }
  const StrumTiming timing(samples, kRate);
  // A steady tone that starts at time s reaches half its magnitude in the frame centred on s; the
  // ringing string's level before the onset is no part of the rise.
  EXPECT_NEAR(timing.rise(low), 0.0, 0.004);
  EXPECT_NEAR(timing.rise(2 * low), 0.0, 0.004);
  // The 3rd partial sounded from the onset at a third of the later note's strength: the bulk of
  // the place's rise is the later note's.
  EXPECT_GT(timing.rise(upper), 0.030);
  EXPECT_LT(timing.rise(upper), 0.045);
}

}  // namespace
}  // namespace strumly::listen
