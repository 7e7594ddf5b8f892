#include "core/listen/StrumTiming.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "core/listen/OnsetDetector.h"

namespace strumly::listen {

std::size_t StrumTiming::frameLength(double sampleRate) {
  // Shorter frames place a rise more sharply, but a partial then leaks into its neighbours a
  // string or two away and the magnitudes beat (23 ms frames placed a lower string's own
  // partials up to 20 ms apart).
  return powerOfTwoFor(sampleRate, 0.046);
}

StrumTiming::StrumTiming(std::vector<float> samples, double sampleRate)
    : samples_(std::move(samples)), taper_(frameLength(sampleRate)), rate_(sampleRate) {
  const std::size_t n = taper_.size();
  for (std::size_t k = 0; k < n; ++k)
    taper_[k] =
        0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n - 1));
}

double StrumTiming::rise(double hz) const {
  const std::size_t frame = taper_.size();
  if (samples_.size() < frame + 2) return 0;
  // The samples turned down by `hz`: a frame's magnitude at `hz` is then the tapered sum.
  std::vector<std::complex<double>> turned(samples_.size());
  const double omega = 2 * std::numbers::pi * hz / rate_;
  for (std::size_t i = 0; i < samples_.size(); ++i)
    turned[i] = static_cast<double>(samples_[i]) * std::polar(1.0, -omega * static_cast<double>(i));
  const std::size_t hop = std::max<std::size_t>(1, frame / 16);
  std::vector<double> magnitude, centre;
  // The first frame ends at the onset: what rang there before.
  for (std::size_t first = 0; first + frame <= samples_.size(); first += hop) {
    std::complex<double> sum = 0;
    for (std::size_t k = 0; k < frame; ++k) sum += taper_[k] * turned[first + k];
    magnitude.push_back(std::abs(sum));
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

double StrumTiming::lobeHz() const {
  // A Hann frame's main lobe reaches two bins of its own length to either side.
  return 2 * rate_ / static_cast<double>(taper_.size());
}

}  // namespace strumly::listen
