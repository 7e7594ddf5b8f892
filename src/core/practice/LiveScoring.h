#pragma once
// Play-along scoring while the song plays. The take grows block by block as the input hears it;
// each strum is told when its beat sounds (as a sample number of the take: the samples heard at
// that moment), and once the take has gone on long enough after its window it is judged by the
// same rules as a recorded take (scoreTake), from the part of the take around it. So the live
// verdicts and `--score` never disagree on what counts as right.
//
// Also the latency measurement: strums played on a click, their onsets as the chord listener
// hears them, and the median offset from the clicks.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/practice/PlayAlongScorer.h"

namespace strumly {

class ChordListener;

// The strum a filled slot asks for, for live scoring (its time is told separately).
ExpectedStrum slotStrum(const ChordDiagram& chord, int slot, TimeSignature signature, const NoteNames& names);

class LiveScorer {
 public:
  explicit LiveScorer(double sampleRate, double a4Hz = 440.0);

  // A new take: the strums still waiting are forgotten, what was heard stays as the sound before
  // the first beat.
  void newTake(const ScoreWindow& window);
  void hear(const float* samples, std::size_t count);
  // Samples heard so far: the take's "now".
  std::int64_t heard() const { return first_ + static_cast<std::int64_t>(buffer_.size()); }
  // `strum`'s beat sounds at sample `beat` of the take (usually heard()).
  void strumDue(const ExpectedStrum& strum, std::int64_t beat);
  // The strums whose window and the sound around it have been heard, judged, in the order they
  // were due.
  std::vector<StrumScore> judgeReady();
  // The end of the take. Cut short (Stop), a strum whose window was not heard to its end is left
  // out; otherwise every strum still waiting is judged with what there is.
  std::vector<StrumScore> finish(bool cutShort);
  bool waiting() const { return !due_.empty(); }
  double sampleRate() const { return rate_; }

 private:
  struct Due {
    ExpectedStrum strum;
    std::int64_t beat = 0;
  };
  std::int64_t samples(double ms) const;
  std::int64_t sliceFrom(const Due& due) const;
  std::int64_t sliceTo(const Due& due) const;
  std::int64_t windowHeardBy(const Due& due) const;
  StrumScore judge(const Due& due) const;
  void trim();

  double rate_;
  double a4Hz_;
  ScoreWindow window_;
  std::vector<float> buffer_;  // the take from sample first_ on
  std::int64_t first_ = 0;
  std::vector<Due> due_;
};

// Onsets of strums (ms from the first sample fed) as the chord listener hears them; a sound with
// fewer than two notes (a click reaching the microphone) is no strum.
class StrumOnsets {
 public:
  explicit StrumOnsets(double sampleRate, double a4Hz = 440.0);
  ~StrumOnsets();
  StrumOnsets(const StrumOnsets&) = delete;
  StrumOnsets& operator=(const StrumOnsets&) = delete;
  void feed(const float* samples, std::size_t count);
  void finish();
  const std::vector<double>& onsetsMs() const { return onsets_; }

 private:
  std::unique_ptr<ChordListener> listener_;
  std::vector<double> onsets_;
};

struct LatencyMeasurement {
  std::optional<double> ms;  // none: fewer than kMinCalibrationStrums clicks had a strum
  int strums = 0;            // clicks with a strum near them
};
inline constexpr int kMinCalibrationStrums = 3;
inline constexpr double kMaxCalibrationOffsetMs = 450;

// For each click the nearest strum onset within kMaxCalibrationOffsetMs, and the median of their
// offsets (the mean of the middle two when even): one strum off the beat does not move it.
LatencyMeasurement medianLatency(std::span<const double> clicksMs, std::span<const double> onsetsMs);

}  // namespace strumly
