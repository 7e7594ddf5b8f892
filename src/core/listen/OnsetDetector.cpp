#include "core/listen/OnsetDetector.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <new>
#include <numbers>

#include "core/listen/FftwPlanner.h"

namespace strumly::listen {

namespace {

// The onset function: the rise of the log spectrum of 23 ms frames over the frame three hops
// before, bin by bin, 70 Hz to 5 kHz. Each band of 16 bins is compressed against its median (the
// noise floor of that frame): log(1 + |X| / (3 floor)) barely moves where there is only noise and
// is the log of the magnitude where a string sounds, so a soft pluck under room noise still rises
// while the noise's own flicker adds almost nothing. Comparing with three hops back adds up an
// attack that spreads over a frame, against one hop's flicker of the noise.
constexpr double kFrameSeconds = 0.023;
constexpr double kLowestHz = 70;
constexpr double kHighestHz = 5000;
constexpr std::size_t kBandBins = 16;
constexpr double kFloorShare = 3.0;
constexpr std::size_t kLag = 3;
// An onset is a peak of the function above 1.2 times its median over the last 0.3 s (the level of
// the noise's and the ringing strings' flicker) plus 5 (nepers, summed over the bins), so that
// neither a ringing string's beating nor the dither of a resampled file counts as one.
constexpr double kOverMedian = 1.2;
constexpr double kLeastRise = 5.0;
constexpr double kMedianSeconds = 0.3;
// A low string's partials build up over the first tens of milliseconds, which the function sees as
// a second, smaller rise: for a while after an onset a new one must rise at least half as much.
constexpr double kMaskSeconds = 0.2;
constexpr double kMaskShare = 0.5;
// Quieter than this counts as silence: a guitar through a microphone several metres away still
// reaches it, room noise does not.
constexpr double kSilenceDb = -55;

}  // namespace

std::size_t powerOfTwoFor(double sampleRate, double seconds) {
  const double wanted = sampleRate * seconds;
  std::size_t size = 16;
  while (static_cast<double>(size) * 1.5 < wanted) size *= 2;
  return size;
}

struct OnsetDetector::Flux {
  std::size_t frame = 0;
  float* in = nullptr;
  fftwf_complex* out = nullptr;
  fftwf_plan plan = nullptr;
  ~Flux() {
    std::lock_guard lock(fftwPlanner());
    if (plan != nullptr) fftwf_destroy_plan(plan);
    fftwf_free(in);
    fftwf_free(out);
  }
};

OnsetDetector::OnsetDetector(double sampleRate, std::size_t hop, double minimumGapSeconds)
    : flux_(std::make_unique<Flux>()), hop_(hop), rate_(sampleRate) {
  frame_ = powerOfTwoFor(sampleRate, kFrameSeconds);
  flux_->frame = frame_;
  gap_ = std::llround(minimumGapSeconds * sampleRate);
  mask_ = std::llround(kMaskSeconds * sampleRate);
  taper_.resize(frame_);
  for (std::size_t i = 0; i < frame_; ++i)
    taper_[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                                        static_cast<double>(frame_ - 1)));
  ring_.assign(frame_, 0.0f);
  firstBin_ = std::max<std::size_t>(1, static_cast<std::size_t>(kLowestHz * frame_ / sampleRate));
  lastBin_ = std::min(frame_ / 2, static_cast<std::size_t>(kHighestHz * frame_ / sampleRate));
  past_.assign(1, std::vector<double>(lastBin_ + 1, 0.0));
  now_.assign(lastBin_ + 1, 0.0);
  reset();
  std::lock_guard lock(fftwPlanner());
  flux_->in = fftwf_alloc_real(frame_);
  flux_->out = fftwf_alloc_complex(frame_ / 2 + 1);
  if (flux_->in == nullptr || flux_->out == nullptr) throw std::bad_alloc();
  flux_->plan = fftwf_plan_dft_r2c_1d(static_cast<int>(frame_), flux_->in, flux_->out, FFTW_ESTIMATE);
  if (flux_->plan == nullptr) throw std::bad_alloc();
}

OnsetDetector::~OnsetDetector() = default;

double OnsetDetector::rise(const float* hop) {
  std::memmove(ring_.data(), ring_.data() + hop_, (frame_ - hop_) * sizeof(float));
  std::memcpy(ring_.data() + frame_ - hop_, hop, hop_ * sizeof(float));
  double energy = 0;
  for (std::size_t i = 0; i < frame_; ++i) {
    flux_->in[i] = ring_[i] * taper_[i];
    energy += static_cast<double>(ring_[i]) * ring_[i];
  }
  level_ = std::sqrt(energy / static_cast<double>(frame_));
  fftwf_execute(flux_->plan);
  for (std::size_t k = firstBin_; k <= lastBin_; ++k)
    now_[k] = std::hypot(flux_->out[k][0], flux_->out[k][1]);
  double total = 0;
  std::vector<double>& band = scratch_;
  for (std::size_t lo = firstBin_; lo <= lastBin_; lo += kBandBins) {
    const std::size_t hi = std::min(lastBin_ + 1, lo + kBandBins);
    band.assign(now_.begin() + static_cast<std::ptrdiff_t>(lo),
                now_.begin() + static_cast<std::ptrdiff_t>(hi));
    std::nth_element(band.begin(), band.begin() + static_cast<std::ptrdiff_t>(band.size() / 2), band.end());
    const double floor = std::max(1e-7, kFloorShare * band[band.size() / 2]);
    for (std::size_t k = lo; k < hi; ++k)
      total += std::max(0.0, std::log1p(now_[k] / floor) - std::log1p(past_.front()[k] / floor));
  }
  past_.push_back(now_);
  while (past_.size() > kLag) past_.pop_front();
  return total;
}

bool OnsetDetector::process(const float* hop, std::int64_t& onsetSample) {
  const double o = rise(hop);
  hopsSeen_ += 1;
  const std::int64_t end = hopsSeen_ * static_cast<std::int64_t>(hop_);
  const bool loud = 20 * std::log10(level_ + 1e-12) > kSilenceDb;
  bool found = false;
  // A peak one hop back: it rose above the one before and the one now is no higher.
  {
    const double peak = history_.back();
    const double beforePeak = history_[history_.size() - 2];
    // Until the history has filled, its median is over the hops heard before this peak's own rise
    // (none: silence). Room noise that starts with the input flickers, and against a history
    // padded with silence each flicker would pass for an onset.
    auto from = history_.begin(), to = history_.end();
    if (const auto heard = static_cast<std::size_t>(hopsSeen_ - 1); heard < history_.size()) {
      const std::size_t before = heard > kLag + 1 ? heard - (kLag + 1) : 0;
      from = history_.end() - static_cast<std::ptrdiff_t>(heard);
      to = from + static_cast<std::ptrdiff_t>(before);
    }
    std::vector<double> sorted(from, to);
    if (sorted.empty()) sorted.push_back(0.0);
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2),
                     sorted.end());
    const double median = sorted[sorted.size() / 2];
    const double threshold = kOverMedian * median + kLeastRise;
    // Rising against three hops back, the function peaks once the attack has filled the frame:
    // the attack is where that frame begins.
    const std::int64_t at = end - static_cast<std::int64_t>(hop_ + frame_);
    const std::int64_t sinceLast = lastOnset_ < 0 ? gap_ + mask_ : at - lastOnset_;
    const bool masked = sinceLast < mask_ && peak < kMaskShare * lastPeak_;
    if (peak > beforePeak && peak >= o && peak > threshold && peakLoud_ && !masked && sinceLast >= gap_) {
      onsetSample = std::max<std::int64_t>(0, at);
      lastOnset_ = at;
      lastPeak_ = peak;
      found = true;
    }
  }
  peakLoud_ = loud;
  history_.push_back(o);
  history_.pop_front();
  return found;
}

void OnsetDetector::reset() {
  std::fill(ring_.begin(), ring_.end(), 0.0f);
  past_.assign(1, std::vector<double>(lastBin_ + 1, 0.0));
  // Before the first sample there was silence: a sound that starts with the input is an onset
  // too, not the level its own rise is measured against.
  history_.assign(static_cast<std::size_t>(std::lround(kMedianSeconds * rate_ / static_cast<double>(hop_))),
                  0.0);
  hopsSeen_ = 0;
  lastOnset_ = -1;
  lastPeak_ = 0;
  peakLoud_ = false;
}

void HopCutter::feed(const float* samples, std::size_t count,
                     const std::function<void(const float*)>& onHop) {
  std::size_t i = 0;
  if (!buffer_.empty()) {
    const std::size_t take = std::min(count, hop_ - buffer_.size());
    buffer_.insert(buffer_.end(), samples, samples + take);
    i = take;
    if (buffer_.size() < hop_) return;
    onHop(buffer_.data());
    buffer_.clear();
  }
  for (; i + hop_ <= count; i += hop_) onHop(samples + i);
  buffer_.insert(buffer_.end(), samples + i, samples + count);
}

void SampleHistory::append(const float* samples, std::size_t count) {
  const auto length = static_cast<std::int64_t>(ring_.size());
  for (std::size_t i = 0; i < count; ++i)
    ring_[static_cast<std::size_t>((end_ + static_cast<std::int64_t>(i)) % length)] = samples[i];
  end_ += static_cast<std::int64_t>(count);
}

std::vector<float> SampleHistory::read(std::int64_t first, std::size_t count) const {
  std::vector<float> out(count, 0.0f);
  const auto length = static_cast<std::int64_t>(ring_.size());
  for (std::size_t i = 0; i < count; ++i) {
    const std::int64_t n = first + static_cast<std::int64_t>(i);
    if (n < 0 || n >= end_ || n < end_ - length) continue;
    out[i] = ring_[static_cast<std::size_t>(n % length)];
  }
  return out;
}

std::vector<float> SampleHistory::readBefore(std::int64_t onset, std::size_t count, double sampleRate) const {
  constexpr double kGuardSeconds = 0.005;
  const std::int64_t end = onset - std::llround(kGuardSeconds * sampleRate);
  return read(end - static_cast<std::int64_t>(count), count);
}

}  // namespace strumly::listen
