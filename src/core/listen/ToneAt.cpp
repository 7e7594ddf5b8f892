#include "core/listen/ToneAt.h"

#include <cmath>
#include <numbers>

namespace strumly::listen {

std::vector<double> hannTaper(std::size_t length) {
  std::vector<double> taper(length);
  for (std::size_t i = 0; i < length; ++i)
    taper[i] =
        0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(length - 1));
  return taper;
}

std::complex<double> toneAt(std::span<const float> samples, std::int64_t first, std::span<const double> taper,
                            double hz, double sampleRate) {
  std::complex<double> sum = 0;
  const double omega = 2 * std::numbers::pi * hz / sampleRate;
  // The phasor turned a sample at a time; renormalized now and then, as rounding makes it drift.
  std::complex<double> turn = std::polar(1.0, -omega * static_cast<double>(first));
  const std::complex<double> step = std::polar(1.0, -omega);
  const auto size = static_cast<std::int64_t>(samples.size());
  for (std::size_t i = 0; i < taper.size(); ++i, turn *= step) {
    if ((i & 1023) == 0) turn /= std::abs(turn);
    const std::int64_t n = first + static_cast<std::int64_t>(i);
    if (n < 0 || n >= size) continue;
    sum += taper[i] * static_cast<double>(samples[static_cast<std::size_t>(n)]) * turn;
  }
  return sum;
}

}  // namespace strumly::listen
