#pragma once
// The listeners' common first stage: samples cut into hops, and an onset detector run over them
// (a spectral flux over FFTW, made to hold up under room noise). Internal to listen/.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace strumly::listen {

// Hop and window lengths for a sample rate: the powers of two nearest to the durations the
// stages were tuned with at 44.1 kHz.
std::size_t powerOfTwoFor(double sampleRate, double seconds);

class OnsetDetector {
 public:
  // `minimumGapSeconds`: onsets closer than this to the previous one are not reported.
  OnsetDetector(double sampleRate, std::size_t hop, double minimumGapSeconds);
  ~OnsetDetector();
  OnsetDetector(const OnsetDetector&) = delete;
  OnsetDetector& operator=(const OnsetDetector&) = delete;

  // One hop of samples; the sample index of an onset found now (it lies some hops back: the
  // detector sees an onset one hop after its function peaks, about 30 ms after the attack).
  bool process(const float* hop, std::int64_t& onsetSample);
  void reset();

 private:
  double rise(const float* hop);
  struct Flux;
  std::unique_ptr<Flux> flux_;
  std::size_t hop_;
  double rate_;
  std::size_t frame_ = 0;
  std::int64_t gap_ = 0;
  std::int64_t mask_ = 0;
  std::vector<float> taper_;
  std::vector<float> ring_;
  std::size_t firstBin_ = 0, lastBin_ = 0;
  std::vector<double> now_, scratch_;
  std::deque<std::vector<double>> past_;  // the spectra of the last hops, oldest first
  std::deque<double> history_;
  std::int64_t hopsSeen_ = 0;
  std::int64_t lastOnset_ = -1;
  double lastPeak_ = 0;
  bool peakLoud_ = false;
  double level_ = 0;
};

// Collects blocks of any size into hops.
class HopCutter {
 public:
  explicit HopCutter(std::size_t hop) : hop_(hop) { buffer_.reserve(hop); }
  // Calls `onHop` for every full hop the block completes.
  void feed(const float* samples, std::size_t count, const std::function<void(const float*)>& onHop);
  std::size_t hop() const { return hop_; }
  void reset() { buffer_.clear(); }

 private:
  std::size_t hop_;
  std::vector<float> buffer_;
};

// The latest samples, by their number from the first one fed; what is older or not yet fed
// reads as silence.
class SampleHistory {
 public:
  explicit SampleHistory(std::size_t length) : ring_(length) {}
  void append(const float* samples, std::size_t count);
  std::int64_t end() const { return end_; }  // number of the next sample to come
  // `count` samples from number `first` on.
  std::vector<float> read(std::int64_t first, std::size_t count) const;
  // `count` samples ending a little ahead of the onset at sample `onset` (the detector places an onset
  // within a few ms): what already sounded there, to be taken off what the onset added.
  std::vector<float> readBefore(std::int64_t onset, std::size_t count, double sampleRate) const;
  void reset() { end_ = 0; }

 private:
  std::vector<float> ring_;
  std::int64_t end_ = 0;
};

}  // namespace strumly::listen
