#include "core/listen/ChordSpectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>
#include <numbers>

#include "core/listen/HeardEvents.h"
#include "core/listen/OnsetDetector.h"
#include "core/theory/Pitch.h"

namespace strumly::listen {

namespace {

// FFTW's planner is not re-entrant; listeners may be built on several threads.
std::mutex& plannerMutex() {
  static std::mutex m;
  return m;
}

constexpr double kLowestPeakHz = 70;
constexpr double kHighestPeakHz = 5000;
constexpr int kMaxHarmonics = 12;
constexpr int kMaxNotes = 6;  // six strings
// A note's fundamental must be present at this share of its strongest low partial; otherwise the
// candidate is only a sub-octave or sub-fifth ghost of real notes above it.
constexpr double kFundamentalShare = 0.1;
// A peak counts as a partial of a note within this distance of the partial's place.
constexpr double kToleranceCents = 35;
// A peak must stand this far above the spectrum around it (the floor), which keeps broadband
// noise from being taken for notes.
constexpr double kPeakOverFloor = 4.0;  // 12 dB
// Notes are taken while they explain at least this share of what the strongest note explained.
constexpr double kWeakestNote = 0.2;
// Share of the strongest peak a lower octave's fundamental and third partial must reach.
constexpr double kOctaveShare = 0.01;

struct Peak {
  double hz;
  double amplitude;
};

double cents(double a, double b) {
  return 1200.0 * std::log2(a / b);
}

}  // namespace

ChordSpectrum::ChordSpectrum(double sampleRate, std::size_t windowLength)
    : rate_(sampleRate), windowLength_(windowLength), fftSize_(powerOfTwoFor(sampleRate, 0.37)) {
  fftSize_ = std::max(fftSize_, windowLength_);
  taper_.resize(windowLength_);
  for (std::size_t i = 0; i < windowLength_; ++i) {
    taper_[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                                        static_cast<double>(windowLength_ - 1)));
  }
  std::lock_guard lock(plannerMutex());
  input_ = fftwf_alloc_real(fftSize_);
  auto* out = fftwf_alloc_complex(fftSize_ / 2 + 1);
  output_ = out;
  if (input_ == nullptr || out == nullptr) throw std::bad_alloc();
  plan_ = fftwf_plan_dft_r2c_1d(static_cast<int>(fftSize_), input_, out, FFTW_ESTIMATE);
  if (plan_ == nullptr) throw std::bad_alloc();
}

ChordSpectrum::~ChordSpectrum() {
  std::lock_guard lock(plannerMutex());
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

std::vector<double> ChordSpectrum::difference(const float* samples, const float* before) {
  const auto lastBin = std::min(fftSize_ / 2 - 2, static_cast<std::size_t>(kHighestPeakHz / binHz()));
  std::vector<double> mag(lastBin + 3);
  magnitudes(samples, mag);
  if (before != nullptr) {
    // Ringing strings only fade: their partials are weaker after the onset than before it.
    std::vector<double> earlier(mag.size());
    magnitudes(before, earlier);
    for (std::size_t k = 0; k < mag.size(); ++k) mag[k] = std::max(0.0, mag[k] - earlier[k]);
  }
  return mag;
}

HeardSet ChordSpectrum::analyse(const float* samples, const float* before, double a4Hz) {
  HeardSet set;
  const double binHz = rate_ / static_cast<double>(fftSize_);
  const auto lastBin = std::min(fftSize_ / 2 - 2, static_cast<std::size_t>(kHighestPeakHz / binHz));
  const auto firstBin = std::max<std::size_t>(2, static_cast<std::size_t>(kLowestPeakHz / binHz));
  std::vector<double> mag = difference(samples, before);

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
    peaks.push_back({(static_cast<double>(k) + offset) * binHz, std::exp(b - 0.25 * (a - c) * offset)});
  }
  if (peaks.empty()) return set;

  // Each candidate note's partials: the strongest peak near each multiple of its fundamental.
  constexpr int kCandidates = kHighestHeardNote - kLowestHeardNote + 1;
  std::vector<std::array<int, kMaxHarmonics>> partial(kCandidates);
  std::vector<double> fundamental(kCandidates);
  for (int c = 0; c < kCandidates; ++c) {
    const double f0 = noteHz(kLowestHeardNote + c, a4Hz);
    fundamental[static_cast<std::size_t>(c)] = f0;
    for (int h = 0; h < kMaxHarmonics; ++h) {
      int best = -1;
      const double target = f0 * (h + 1);
      for (std::size_t p = 0; p < peaks.size(); ++p) {
        if (std::abs(cents(peaks[p].hz, target)) > kToleranceCents) continue;
        if (best < 0 || peaks[p].amplitude > peaks[static_cast<std::size_t>(best)].amplitude)
          best = static_cast<int>(p);
      }
      partial[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)] = best;
    }
  }

  std::vector<double> residual(peaks.size());
  for (std::size_t p = 0; p < peaks.size(); ++p) residual[p] = peaks[p].amplitude;
  const auto amplitudeOf = [&](int c, int h) {
    const int p = partial[static_cast<std::size_t>(c)][static_cast<std::size_t>(h)];
    return p < 0 ? 0.0 : residual[static_cast<std::size_t>(p)];
  };
  // Salience: the partials' amplitudes weighted down with their number, so a high note's
  // fundamental is not outweighed by a low note's many overtones (Klapuri's weights).
  const auto salience = [&](int c) {
    const double f0 = fundamental[static_cast<std::size_t>(c)];
    double strongestLow = 0;
    for (int h = 0; h < 5; ++h) strongestLow = std::max(strongestLow, amplitudeOf(c, h));
    if (amplitudeOf(c, 0) <= 0 || amplitudeOf(c, 0) < kFundamentalShare * strongestLow) return 0.0;
    double s = 0;
    for (int h = 0; h < kMaxHarmonics; ++h) s += amplitudeOf(c, h) * (f0 + 27) / ((h + 1) * f0 + 320);
    return s;
  };

  double first = 0;
  std::vector<bool> taken(kCandidates, false);
  for (int n = 0; n < kMaxNotes; ++n) {
    int best = -1;
    double bestSalience = 0;
    for (int c = 0; c < kCandidates; ++c) {
      if (taken[static_cast<std::size_t>(c)]) continue;
      const double s = salience(c);
      if (s > bestSalience) bestSalience = s, best = c;
    }
    if (best < 0 || bestSalience <= 0) break;
    if (n == 0) first = bestSalience;
    if (bestSalience < kWeakestNote * first) break;
    // The strongest candidate may be an octave (or two) above the string, whose weak fundamental
    // the weights count little. The lowest octave whose fundamental and third partial are both
    // there is the string: no higher note has a partial at half or a third of its own.
    const double strongest = *std::max_element(residual.begin(), residual.end());
    for (int lower = best - 12; lower >= 0; lower -= 12) {
      if (taken[static_cast<std::size_t>(lower)]) continue;
      if (amplitudeOf(lower, 0) >= kOctaveShare * strongest &&
          amplitudeOf(lower, 2) >= kOctaveShare * strongest)
        best = lower;
    }
    taken[static_cast<std::size_t>(best)] = true;
    const int note = kLowestHeardNote + best;
    set.notes.push_back(note);
    set.chroma[static_cast<std::size_t>(note % 12)] += bestSalience;
    set.pitchClasses = static_cast<std::uint16_t>(set.pitchClasses | (1u << (note % 12)));
    if (set.bassNote < 0 || note < set.bassNote) set.bassNote = note;
    double weighed = 0, weights = 0;
    for (int h = 0; h < kMaxHarmonics; ++h) {
      const int p = partial[static_cast<std::size_t>(best)][static_cast<std::size_t>(h)];
      if (p < 0) continue;
      weighed +=
          peaks[static_cast<std::size_t>(p)].amplitude * peaks[static_cast<std::size_t>(p)].hz / (h + 1);
      weights += peaks[static_cast<std::size_t>(p)].amplitude;
    }
    set.hz.push_back(weighed / weights);
    // Take off what this note explains: every partial of it. A string an octave or a twelfth above
    // shares partials and is then heard only by those it does not share, which is enough for its
    // pitch class: that is the one found already.
    for (int h = 0; h < kMaxHarmonics; ++h) {
      const int p = partial[static_cast<std::size_t>(best)][static_cast<std::size_t>(h)];
      if (p >= 0) residual[static_cast<std::size_t>(p)] = 0;
    }
  }
  return set;
}

}  // namespace strumly::listen
