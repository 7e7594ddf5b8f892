#include "core/listen/OnsetDetector.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace strumly::listen {

namespace {
// The peak picker's threshold over the running median of the flux: a ringing string's slow
// beating and the dither of a resampled file stay under it.
constexpr float kThreshold = 0.5f;
}  // namespace

std::size_t powerOfTwoFor(double sampleRate, double seconds) {
  const double wanted = sampleRate * seconds;
  std::size_t size = 16;
  while (static_cast<double>(size) * 1.5 < wanted) size *= 2;
  return size;
}

struct OnsetDetector::Aubio {
  aubio_onset_t* onset = nullptr;
  fvec_t* in = nullptr;
  fvec_t* out = nullptr;
  ~Aubio() {
    if (onset != nullptr) del_aubio_onset(onset);
    if (in != nullptr) del_fvec(in);
    if (out != nullptr) del_fvec(out);
  }
};

OnsetDetector::OnsetDetector(double sampleRate, std::size_t hop, double minimumGapSeconds)
    : aubio_(std::make_unique<Aubio>()), hop_(hop) {
  // Spectral flux reacts to a plucked string's broadband attack and is little moved by steady
  // noise, which the adaptive threshold of the peak picker absorbs.
  aubio_->onset = new_aubio_onset("specflux", static_cast<uint_t>(hop * 4), static_cast<uint_t>(hop),
                                  static_cast<uint_t>(std::lround(sampleRate)));
  aubio_->in = new_fvec(static_cast<uint_t>(hop));
  aubio_->out = new_fvec(1);
  if (aubio_->onset == nullptr || aubio_->in == nullptr || aubio_->out == nullptr) throw std::bad_alloc();
  aubio_onset_set_minioi_s(aubio_->onset, static_cast<smpl_t>(minimumGapSeconds));
  // Quieter than this counts as silence: a guitar through a microphone several metres away still
  // reaches it, room noise does not.
  aubio_onset_set_silence(aubio_->onset, -55.0f);
  aubio_onset_set_threshold(aubio_->onset, kThreshold);
}

OnsetDetector::~OnsetDetector() = default;

bool OnsetDetector::process(const float* hop, std::int64_t& onsetSample) {
  std::memcpy(aubio_->in->data, hop, hop_ * sizeof(float));
  aubio_onset_do(aubio_->onset, aubio_->in, aubio_->out);
  if (aubio_->out->data[0] == 0) return false;
  onsetSample = static_cast<std::int64_t>(aubio_onset_get_last(aubio_->onset));
  return true;
}

void OnsetDetector::reset() {
  aubio_onset_reset(aubio_->onset);
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
