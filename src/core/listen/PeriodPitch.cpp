#include "core/listen/PeriodPitch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace strumly::listen {

namespace {

// A peak this close to the highest is the period rather than a multiple of it: a plucked string's
// shape drifts from one period to the next, so the autocorrelation at two periods can top the one
// at one period by a little.
constexpr double kNearBest = 0.95;

}  // namespace

PeriodReading periodPitch(const float* x, std::size_t count, double rate, double minHz, double maxHz) {
  const auto shortest = static_cast<std::size_t>(std::floor(rate / maxHz));
  const auto longest = std::min(count / 2, static_cast<std::size_t>(std::ceil(rate / minHz)));
  if (shortest < 2 || longest <= shortest + 2) return {};
  // McLeod's normalized square difference: 2·Σ x[j]x[j+τ] / Σ (x[j]² + x[j+τ]²) over the overlap,
  // which is 1 for a stretch that repeats after τ whatever its loudness and fade.
  std::vector<double> nsdf(longest + 2, 0.0);
  for (std::size_t tau = shortest - 1; tau <= longest + 1 && tau < count; ++tau) {
    double r = 0, m = 0;
    for (std::size_t j = 0; j + tau < count; ++j) {
      r += static_cast<double>(x[j]) * x[j + tau];
      m += static_cast<double>(x[j]) * x[j] + static_cast<double>(x[j + tau]) * x[j + tau];
    }
    nsdf[tau] = m > 0 ? 2 * r / m : 0;
  }
  // Local maxima within the lag range.
  std::vector<std::size_t> peaks;
  double best = 0;
  for (std::size_t tau = shortest; tau <= longest; ++tau) {
    if (nsdf[tau] > 0 && nsdf[tau] >= nsdf[tau - 1] && nsdf[tau] > nsdf[tau + 1]) {
      peaks.push_back(tau);
      best = std::max(best, nsdf[tau]);
    }
  }
  for (std::size_t tau : peaks) {
    if (nsdf[tau] < kNearBest * best) continue;
    const double a = nsdf[tau - 1], b = nsdf[tau], c = nsdf[tau + 1];
    const double denominator = a - 2 * b + c;
    const double offset = denominator < 0 ? std::clamp(0.5 * (a - c) / denominator, -0.5, 0.5) : 0.0;
    return {rate / (static_cast<double>(tau) + offset), b - 0.25 * (a - c) * offset};
  }
  return {};
}

}  // namespace strumly::listen
