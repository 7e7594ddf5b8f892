#include "core/listen/ChordSpectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>
#include <numbers>

#include "core/listen/FftwPlanner.h"
#include "core/listen/HeardEvents.h"
#include "core/listen/OnsetDetector.h"
#include "core/listen/StrumNotes.h"
#include "core/listen/StrumSecondLook.h"
#include "core/theory/Pitch.h"

namespace strumly::listen {

namespace {

constexpr double kLowestPeakHz = 70;
constexpr double kHighestPeakHz = 5000;
// A peak must stand this far above the spectrum around it (the floor), which keeps broadband
// noise from being taken for notes; higher, the top strings of a dense strum (whose partials
// crowd the floor up) are lost.
constexpr double kPeakOverFloor = 2.5;  // 8 dB

struct Peak {
  double hz;
  double height;  // natural log of the magnitude over the floor
};

}  // namespace

ChordSpectrum::ChordSpectrum(double sampleRate, std::size_t windowLength)
    : rate_(sampleRate), windowLength_(windowLength), fftSize_(powerOfTwoFor(sampleRate, 0.37)) {
  fftSize_ = std::max(fftSize_, windowLength_);
  taper_.resize(windowLength_);
  for (std::size_t i = 0; i < windowLength_; ++i) {
    taper_[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                                        static_cast<double>(windowLength_ - 1)));
  }
  std::lock_guard lock(fftwPlanner());
  input_ = fftwf_alloc_real(fftSize_);
  auto* out = fftwf_alloc_complex(fftSize_ / 2 + 1);
  output_ = out;
  if (input_ == nullptr || out == nullptr) throw std::bad_alloc();
  plan_ = fftwf_plan_dft_r2c_1d(static_cast<int>(fftSize_), input_, out, FFTW_ESTIMATE);
  if (plan_ == nullptr) throw std::bad_alloc();
}

ChordSpectrum::~ChordSpectrum() {
  std::lock_guard lock(fftwPlanner());
  if (plan_ != nullptr) fftwf_destroy_plan(plan_);
  fftwf_free(input_);
  fftwf_free(output_);
}

void ChordSpectrum::magnitudes(const float* samples, std::vector<double>& mag) {
  std::fill(input_, input_ + fftSize_, 0.0f);
  for (std::size_t i = 0; i < windowLength_; ++i) input_[i] = samples[i] * taper_[i];
  fftwf_execute(plan_);
  const auto* out = static_cast<const fftwf_complex*>(output_);
  for (std::size_t k = 0; k < mag.size(); ++k) mag[k] = std::hypot(out[k][0], out[k][1]);
}

std::size_t ChordSpectrum::lastBin() const {
  return std::min(fftSize_ / 2 - 2, static_cast<std::size_t>(kHighestPeakHz / binHz()));
}

std::vector<double> ChordSpectrum::difference(const float* samples, const float* before, double beforeShare) {
  std::vector<double> mag(lastBin() + 3);
  magnitudes(samples, mag);
  if (before != nullptr) {
    // Ringing strings only fade: their partials are weaker after the onset than before it.
    std::vector<double> earlier(mag.size());
    magnitudes(before, earlier);
    for (std::size_t k = 0; k < mag.size(); ++k) mag[k] = std::max(0.0, mag[k] - beforeShare * earlier[k]);
  }
  return mag;
}

HeardSet ChordSpectrum::analyse(const float* samples, const float* before, double a4Hz,
                                const StrumTiming* timing) {
  HeardSet set;
  const double binHz = this->binHz();
  const std::size_t lastBin = this->lastBin();
  const auto firstBin = std::max<std::size_t>(2, static_cast<std::size_t>(kLowestPeakHz / binHz));
  std::vector<double> now(lastBin + 3), earlier(now.size(), 0.0);
  magnitudes(samples, now);
  if (before != nullptr) magnitudes(before, earlier);
  // Only half of what sounded before is taken off: the strum's own strings often sound the notes
  // the last chord left ringing, and taking all of it off loses them.
  std::vector<double> mag(now.size());
  for (std::size_t k = 0; k < mag.size(); ++k) mag[k] = std::max(0.0, now[k] - 0.5 * earlier[k]);

  // The floor: the median magnitude of a band about a third of an octave wide around each bin.
  std::vector<double> floor(mag.size(), 0);
  std::vector<double> band;
  // Half the width of a sinusoid's main lobe in the taper's spectrum, in bins: the floor is taken
  // wider than that, or a partial would raise its own floor.
  const double lobe = 2.0 * static_cast<double>(fftSize_) / static_cast<double>(windowLength_);
  for (std::size_t k = firstBin; k <= lastBin; k += 4) {
    const auto half = static_cast<std::size_t>(std::max(lobe * 3, static_cast<double>(k) * 0.12));
    const std::size_t lo = k > half ? k - half : 0;
    const std::size_t hi = std::min(mag.size() - 1, k + half);
    band.assign(mag.begin() + static_cast<std::ptrdiff_t>(lo),
                mag.begin() + static_cast<std::ptrdiff_t>(hi) + 1);
    std::nth_element(band.begin(), band.begin() + static_cast<std::ptrdiff_t>(band.size() / 2), band.end());
    for (std::size_t j = k; j < std::min(k + 4, floor.size()); ++j) floor[j] = band[band.size() / 2];
  }

  const double loudest = *std::max_element(mag.begin() + static_cast<std::ptrdiff_t>(firstBin),
                                           mag.begin() + static_cast<std::ptrdiff_t>(lastBin) + 1);
  if (!(loudest > 0)) return set;
  std::vector<Peak> peaks;
  for (std::size_t k = firstBin; k <= lastBin; ++k) {
    const double m = mag[k];
    if (m <= mag[k - 1] || m < mag[k + 1] || m < mag[k - 2] || m < mag[k + 2]) continue;
    if (m < kPeakOverFloor * floor[k] || m < loudest * 1e-3) continue;
    // The peak's place between bins from the parabola through the log magnitudes.
    const double a = std::log(mag[k - 1] + 1e-12), b = std::log(m + 1e-12), c = std::log(mag[k + 1] + 1e-12);
    const double denominator = a - 2 * b + c;
    const double offset = denominator < 0 ? 0.5 * (a - c) / denominator : 0.0;
    // Log magnitude over the floor: the spectrum whitened, so a soft string's partials count
    // beside a loud one's.
    const double top = b - 0.25 * (a - c) * offset;
    peaks.push_back({(static_cast<double>(k) + offset) * binHz, top - std::log(floor[k] + 1e-12)});
  }
  if (peaks.empty()) return set;

  std::vector<SpectralPeak> whitened;
  whitened.reserve(peaks.size());
  for (const Peak& peak : peaks) whitened.push_back({peak.hz, peak.height});
  for (int note : strumNotes(whitened, a4Hz, timing)) set.add(note);
  // Only a strum the pursuit heard is looked at again: an onset in which it heard no note (noise
  // setting in) is none.
  if (set.notes.empty()) return set;
  std::vector<double> added(lastBin + 1);
  for (std::size_t k = 0; k < added.size(); ++k) added[k] = std::max(0.0, now[k] - earlier[k]);
  const StrumSecondLook second(std::move(added), firstBin, binHz, static_cast<double>(windowLength_) / rate_,
                               a4Hz);
  // In this order: the other way round the tuning keys heard 6 sets fewer.
  second.addNotesStandingOut(set);
  second.lowerNotesForTheirPartials(set);
  return set;
}

}  // namespace strumly::listen
