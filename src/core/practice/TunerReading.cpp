#include "core/practice/TunerReading.h"

#include <algorithm>
#include <cmath>

namespace strumly {

std::optional<TunerReading> readTuner(double hz, const Tuning& tuning, double a4Hz) {
  if (!(hz > 0) || !(a4Hz > 0)) return std::nullopt;
  const double heard = exactPitch(hz, a4Hz);
  TunerReading r;
  double best = 1e9;
  for (int s = 0; s < kStringCount; ++s) {
    const int open = tuning.pitches[static_cast<std::size_t>(s)];
    const double distance = std::fabs(heard - open);
    if (distance < best) {
      best = distance;
      r.string = s;
      r.stringPitch = open;
    }
  }
  const double cents = (heard - r.stringPitch) * 100;
  r.centsOff = std::clamp(cents, -kTunerNeedleCents, kTunerNeedleCents);
  r.inTune = std::fabs(cents) <= kInTuneCents;
  r.heardPitch = static_cast<int>(std::lround(heard));
  r.heardCents = (heard - r.heardPitch) * 100;
  return r;
}

}  // namespace strumly
