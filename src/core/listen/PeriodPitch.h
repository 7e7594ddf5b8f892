#pragma once
// The period of a stretch of samples from their normalized autocorrelation: a second opinion on a
// new note when its stretch is too short for the spectrum to part a low string's partials, which
// are a window's main lobe or less apart. Internal to listen/.
#include <cstddef>

namespace strumly::listen {

struct PeriodReading {
  double hz = 0;       // 0: no period found
  double clarity = 0;  // the autocorrelation at that period, 1 for a perfectly periodic stretch
};

// The shortest period between 1/maxHz and 1/minHz whose autocorrelation comes close to the best
// one's. `count` should hold two periods of minHz or more.
PeriodReading periodPitch(const float* samples, std::size_t count, double rate, double minHz, double maxHz);

}  // namespace strumly::listen
