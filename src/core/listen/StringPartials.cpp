#include "core/listen/StringPartials.h"

#include <algorithm>
#include <cmath>

namespace strumly::listen {

namespace {
constexpr double kBroadShare = 0.5;
}  // namespace

double narrowPeakNear(const std::vector<double>& mag, double binHz, double hz, std::size_t lobe,
                      double toleranceCents) {
  if (mag.size() < 2 * lobe + 3) return 0;
  const double ratio = std::pow(2.0, toleranceCents / 1200.0);
  const auto lo = std::max<std::size_t>(lobe + 1, static_cast<std::size_t>(std::floor(hz / ratio / binHz)));
  const auto hi = std::min(mag.size() - lobe - 2, static_cast<std::size_t>(std::ceil(hz * ratio / binHz)));
  double best = 0;
  for (std::size_t k = lo; k <= hi; ++k) {
    const double m = mag[k];
    if (m <= best || m < mag[k - 1] || m < mag[k + 1]) continue;
    if (std::min(mag[k - lobe], mag[k + lobe]) >= kBroadShare * m) continue;
    best = m;
  }
  return best;
}

std::size_t narrowLobeBins(double binHz, double windowSeconds) {
  return static_cast<std::size_t>(std::lround(0.75 * 2.0 / (binHz * windowSeconds)));
}

bool onPartialOf(double hz, std::span<const double> fundamentals, int partials, double toleranceCents) {
  for (double f : fundamentals) {
    const double h = std::round(hz / f);
    if (h >= 1 && h <= partials && std::abs(1200.0 * std::log2(hz / (h * f))) <= toleranceCents) return true;
  }
  return false;
}

}  // namespace strumly::listen
