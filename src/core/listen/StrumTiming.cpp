#include "core/listen/StrumTiming.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "core/listen/OnsetDetector.h"
#include "core/listen/ToneAt.h"

namespace strumly::listen {

std::size_t StrumTiming::frameLength(double sampleRate) {
  // Shorter frames place a rise more sharply, but a partial then leaks into its neighbours a
  // string or two away and the magnitudes beat (23 ms frames placed a lower string's own
  // partials up to 20 ms apart).
  return powerOfTwoFor(sampleRate, 0.046);
}

StrumTiming::StrumTiming(std::vector<float> samples, double sampleRate)
    : samples_(std::move(samples)), taper_(hannTaper(frameLength(sampleRate))), rate_(sampleRate) {}

double StrumTiming::rise(double hz) const {
  const std::size_t frame = taper_.size();
  if (samples_.size() < frame + 2) return 0;
  const std::size_t hop = std::max<std::size_t>(1, frame / 16);
  std::vector<double> magnitude, centre;
  // The first frame ends at the onset: what rang there before.
  for (std::size_t first = 0; first + frame <= samples_.size(); first += hop) {
    magnitude.push_back(std::abs(toneAt(samples_, static_cast<std::int64_t>(first), taper_, hz, rate_)));
    centre.push_back((static_cast<double>(first) - static_cast<double>(frame) / 2) / rate_);
  }
  if (magnitude.size() < 2) return 0;
  const double before = magnitude.front();
  const double top = *std::max_element(magnitude.begin(), magnitude.end());
  if (!(top > before)) return centre.front();
  const double half = before + 0.5 * (top - before);
  for (std::size_t i = 1; i < magnitude.size(); ++i) {
    if (magnitude[i] < half) continue;
    const double t = (half - magnitude[i - 1]) / std::max(magnitude[i] - magnitude[i - 1], 1e-12);
    return centre[i - 1] + std::clamp(t, 0.0, 1.0) * (centre[i] - centre[i - 1]);
  }
  return centre.back();
}

double StrumTiming::phaseTurn(double hz, double from) const {
  const std::size_t frame = taper_.size();
  if (samples_.size() < frame + 2) return 0;
  // Frame centres are measured from the onset, which lies one frame into the samples.
  const auto first =
      static_cast<std::int64_t>(std::llround(from * rate_)) + static_cast<std::int64_t>(frame / 2);
  const auto last = static_cast<std::int64_t>(samples_.size() - frame);
  if (first >= last) return 0;
  const std::complex<double> early = toneAt(samples_, first, taper_, hz, rate_);
  const std::complex<double> late = toneAt(samples_, last, taper_, hz, rate_);
  if (std::abs(early) <= 0 || std::abs(late) <= 0) return 0;
  return std::abs(std::arg(late / early));
}

double StrumTiming::lobeHz() const {
  // A Hann frame's main lobe reaches two bins of its own length to either side.
  return 2 * rate_ / static_cast<double>(taper_.size());
}

}  // namespace strumly::listen
