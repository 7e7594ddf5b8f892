#pragma once
// The chord listener's analysis of one window: an FFTW spectrum, its peaks whitened by the floor
// around them, the notes that explain them (StrumNotes), and a second look at those over the
// spectrum itself (StrumSecondLook). Internal to listen/.
#include <cstddef>
#include <cstdint>
#include <vector>

struct fftwf_plan_s;

namespace strumly::listen {

class StrumTiming;

struct HeardSet {
  std::uint16_t pitchClasses = 0;  // bit 0 = C
  int bassNote = -1;               // lowest note found, -1 when none
  std::vector<int> notes;          // found notes, in the order they were found
  void add(int midi) {
    notes.push_back(midi);
    pitchClasses = static_cast<std::uint16_t>(pitchClasses | (1u << (midi % 12)));
    if (bassNote < 0 || midi < bassNote) bassNote = midi;
  }
};

class ChordSpectrum {
 public:
  ChordSpectrum(double sampleRate, std::size_t windowLength);
  ~ChordSpectrum();
  ChordSpectrum(const ChordSpectrum&) = delete;
  ChordSpectrum& operator=(const ChordSpectrum&) = delete;

  std::size_t windowLength() const { return windowLength_; }
  // `samples`: windowLength() of them, from the onset on. `before`: as many from just before the
  // onset, or null; what sounded there already (strings still ringing) is taken off the spectrum,
  // so only what the onset added is heard.
  // The magnitudes of what the onset added (the spectrum of `samples` less that of `before`, or
  // of `samples` alone when `before` is null), from 0 Hz up to 5 kHz, binHz() apart.
  // `beforeShare`: how much of the earlier spectrum is taken off.
  std::vector<double> difference(const float* samples, const float* before, double beforeShare = 1.0);
  double binHz() const { return rate_ / static_cast<double>(fftSize_); }
  // `timing`, when given, hears a later string's note on a lower string's partials.
  HeardSet analyse(const float* samples, const float* before, double a4Hz,
                   const StrumTiming* timing = nullptr);

 private:
  double rate_;
  std::size_t windowLength_;
  std::size_t fftSize_;
  std::vector<float> taper_;
  float* input_ = nullptr;
  void* output_ = nullptr;  // fftwf_complex[fftSize_ / 2 + 1]
  fftwf_plan_s* plan_ = nullptr;
  void magnitudes(const float* samples, std::vector<double>& mag);
  std::size_t lastBin() const;
};

}  // namespace strumly::listen
