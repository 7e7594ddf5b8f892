#include "core/practice/StrumFlux.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>
#include <numbers>

#include "core/listen/FftwPlanner.h"

namespace strumly {

namespace {

constexpr double kFluxLowestHz = 70;
constexpr double kFluxHighestHz = 5000;
// A strum's window holds one when its strongest rise stands out from the median rise of the
// second around it.
constexpr std::size_t kFluxFrame = 1024;  // 23 ms at 44.1 kHz
constexpr std::size_t kFluxHop = 256;
constexpr double kFluxCompression = 1;
constexpr double kFluxAroundSeconds = 1.0;
constexpr double kStrumOverMedian = 1.55;
constexpr long kStrumHops = 3;
// The onset is the first hop, within a strum's spread before the window's strongest rise, that
// rose this share of the way up from the median to it: a strum's first, lowest string rises less
// than the ones after it.
constexpr double kOnsetShare = 0.3;
constexpr double kStrumSpreadMs = 110;
// Below this the flux is silence or dither (the sum over the band of log rises).
constexpr double kSilentFlux = 0.5;

}  // namespace

StrumFlux::StrumFlux(std::span<const float> mono, double sampleRate)
    : hopMs_(1000.0 * kFluxHop / sampleRate), frameMiddleMs_(500.0 * kFluxFrame / sampleRate) {
  float* in = fftwf_alloc_real(kFluxFrame);
  fftwf_complex* out = fftwf_alloc_complex(kFluxFrame / 2 + 1);
  fftwf_plan plan = nullptr;
  if (in != nullptr && out != nullptr) {
    std::lock_guard lock(listen::fftwPlanner());
    plan = fftwf_plan_dft_r2c_1d(static_cast<int>(kFluxFrame), in, out, FFTW_ESTIMATE);
  }
  if (plan == nullptr) {
    fftwf_free(in);
    fftwf_free(out);
    throw std::bad_alloc();
  }
  const auto first = static_cast<std::size_t>(kFluxLowestHz * kFluxFrame / sampleRate);
  const auto last =
      std::min(kFluxFrame / 2, static_cast<std::size_t>(kFluxHighestHz * kFluxFrame / sampleRate));
  std::vector<double> previous(last + 1, 0.0), now(last + 1, 0.0);
  std::vector<float> taper(kFluxFrame);
  for (std::size_t i = 0; i < kFluxFrame; ++i)
    taper[i] = static_cast<float>(
        0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / (kFluxFrame - 1)));
  for (std::size_t start = 0; start + kFluxFrame <= mono.size() + kFluxFrame - kFluxHop; start += kFluxHop) {
    for (std::size_t i = 0; i < kFluxFrame; ++i)
      in[i] = start + i < mono.size() ? mono[start + i] * taper[i] : 0.0f;
    fftwf_execute(plan);
    double rise = 0;
    for (std::size_t k = first; k <= last; ++k) {
      now[k] = std::log1p(kFluxCompression * std::hypot(out[k][0], out[k][1]));
      rise += std::max(0.0, now[k] - previous[k]);
    }
    flux_.push_back(flux_.empty() ? 0.0 : rise);
    std::swap(previous, now);
  }
  {
    std::lock_guard lock(listen::fftwPlanner());
    fftwf_destroy_plan(plan);
  }
  fftwf_free(in);
  fftwf_free(out);
}

double StrumFlux::strumBetween(double fromMs, double toMs) const {
  const long firstHop = std::max(1L, std::lround(std::ceil(fromMs / hopMs_)));
  const long lastHop = std::min(static_cast<long>(flux_.size()) - 1, std::lround(std::floor(toMs / hopMs_)));
  if (firstHop > lastHop) return std::nan("");
  double strongest = 0;
  for (long h = firstHop; h <= lastHop; ++h)
    strongest = std::max(strongest, flux_[static_cast<std::size_t>(h)]);
  const long around = std::lround(kFluxAroundSeconds * 1000.0 / hopMs_);
  std::vector<double> band(flux_.begin() + std::max(0L, firstHop - around),
                           flux_.begin() + std::min(static_cast<long>(flux_.size()), lastHop + around + 1));
  std::nth_element(band.begin(), band.begin() + static_cast<std::ptrdiff_t>(band.size() / 2), band.end());
  const double median = band[band.size() / 2];
  // A strum's strings rise one after another for several hops; a ringing chord's flicker (the
  // chord before still sounding where one was left out) rises in single hops. So the gate is
  // the strongest run of kStrumHops hops, not the strongest hop.
  double strongestRun = 0;
  for (long g = firstHop; g + kStrumHops - 1 <= lastHop; ++g) {
    double run = 0;
    for (long j = 0; j < kStrumHops; ++j) run += flux_[static_cast<std::size_t>(g + j)];
    strongestRun = std::max(strongestRun, run / kStrumHops);
  }
  if (strongest < kSilentFlux || strongestRun < kStrumOverMedian * median) return std::nan("");
  long h = firstHop;
  while (flux_[static_cast<std::size_t>(h)] < strongest) ++h;
  // Back from the strongest rise to the strum's first string: the earliest hop shortly before it
  // that rose well above the median.
  const long peak = h;
  for (long g = std::max(firstHop, peak - std::lround(kStrumSpreadMs / hopMs_)); g < peak; ++g) {
    if (flux_[static_cast<std::size_t>(g)] >= median + kOnsetShare * (strongest - median)) {
      h = g;
      break;
    }
  }
  // A tapered frame's rise shows once the attack nears its middle.
  return static_cast<double>(h) * hopMs_ + frameMiddleMs_;
}

}  // namespace strumly
