#pragma once
// Where a strum starts in a recorded take: a spectral flux over the whole take (log magnitudes,
// so soft strings count), asked for the strum between two times. The scorer knows where to look,
// so unlike the listeners' onset detector it needs no decision hop by hop. Internal to practice/.
#include <span>
#include <vector>

namespace strumly {

class StrumFlux {
 public:
  // Throws std::bad_alloc when FFTW has no memory for its frame or plan.
  StrumFlux(std::span<const float> mono, double sampleRate);
  // The onset of a strum between the two times (ms), or NaN when there is none.
  double strumBetween(double fromMs, double toMs) const;

 private:
  double hopMs_;
  double frameMiddleMs_;
  std::vector<double> flux_;  // the rise of hop h over hop h - 1
};

}  // namespace strumly
