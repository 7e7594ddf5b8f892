#include "core/practice/LiveScoring.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/chords/ChordName.h"
#include "core/listen/ChordListener.h"

namespace strumly {

namespace {

// The scorer compares a window's spectral flux with the second around it, and takes the strum's
// spectrum from 40 ms to 180 ms after its onset: this much of the take on either side of the
// window gives it all it would have had in a recorded take.
constexpr double kBeforeWindowMs = 1100;
constexpr double kAfterWindowMs = 1100;
// The strum's own spectrum ends this long after the latest onset the window allows.
constexpr double kStrumSoundMs = 190;
// Trimming the kept take only when it is this much longer than needed spares a move per block.
constexpr double kTrimSlackMs = 1000;

}  // namespace

ExpectedStrum slotStrum(const ChordDiagram& chord, int slot, TimeSignature signature,
                        const NoteNames& names) {
  const int perMeasure = slotsPerMeasure(signature);
  ExpectedStrum strum;
  strum.slot = slot;
  strum.measure = slot / perMeasure + 1;
  strum.slotInMeasure = slot % perMeasure + 1;
  strum.pitches = chord.pitches;
  strum.chord = chordNameText(chord, names);
  return strum;
}

LiveScorer::LiveScorer(double sampleRate, double a4Hz) : rate_(sampleRate), a4Hz_(a4Hz) {}

std::int64_t LiveScorer::samples(double ms) const {
  return std::llround(ms * rate_ / 1000.0);
}

void LiveScorer::newTake(const ScoreWindow& window) {
  window_ = window;
  due_.clear();
}

void LiveScorer::hear(const float* samples, std::size_t count) {
  buffer_.insert(buffer_.end(), samples, samples + count);
  trim();
}

void LiveScorer::strumDue(const ExpectedStrum& strum, std::int64_t beat) {
  due_.push_back({strum, beat});
}

std::int64_t LiveScorer::sliceFrom(const Due& due) const {
  return due.beat + samples(window_.latencyMs - window_.earlyMs - kBeforeWindowMs);
}

std::int64_t LiveScorer::sliceTo(const Due& due) const {
  return due.beat + samples(window_.latencyMs + window_.lateMs + kAfterWindowMs);
}

std::int64_t LiveScorer::windowHeardBy(const Due& due) const {
  return due.beat + samples(window_.latencyMs + window_.lateMs + kStrumSoundMs);
}

StrumScore LiveScorer::judge(const Due& due) const {
  const std::int64_t from = std::clamp(sliceFrom(due), first_, heard());
  const std::int64_t to = std::clamp(sliceTo(due), from, heard());
  const std::span<const float> slice(buffer_.data() + (from - first_), static_cast<std::size_t>(to - from));
  ExpectedStrum strum = due.strum;
  strum.ms = static_cast<double>(due.beat - from) * 1000.0 / rate_;
  std::vector<StrumScore> scores = scoreTake(std::span(&strum, 1), slice, rate_, window_, a4Hz_);
  scores.front().strum = due.strum;
  return scores.front();
}

std::vector<StrumScore> LiveScorer::judgeReady() {
  std::vector<StrumScore> scores;
  // Strums are due in playing order, so their slices end in that order too.
  std::size_t n = 0;
  while (n < due_.size() && sliceTo(due_[n]) <= heard()) scores.push_back(judge(due_[n++]));
  due_.erase(due_.begin(), due_.begin() + static_cast<std::ptrdiff_t>(n));
  trim();
  return scores;
}

std::vector<StrumScore> LiveScorer::finish(bool cutShort) {
  std::vector<StrumScore> scores = judgeReady();
  for (const Due& due : due_)
    if (!cutShort || windowHeardBy(due) <= heard()) scores.push_back(judge(due));
  due_.clear();
  return scores;
}

void LiveScorer::trim() {
  // A strum due now looks back this far; those waiting look back from their own beats.
  std::int64_t keep =
      heard() + std::min<std::int64_t>(0, samples(window_.latencyMs - window_.earlyMs - kBeforeWindowMs));
  for (const Due& due : due_) keep = std::min(keep, sliceFrom(due));
  if (keep - first_ < samples(kTrimSlackMs)) return;
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(keep - first_));
  first_ = keep;
}

StrumOnsets::StrumOnsets(double sampleRate, double a4Hz)
    : listener_(std::make_unique<ChordListener>(sampleRate, builtInChordTypes(), a4Hz)) {}

StrumOnsets::~StrumOnsets() = default;

void StrumOnsets::feed(const float* samples, std::size_t count) {
  for (const HeardChord& chord : listener_->feed(samples, count))
    if (std::popcount(chord.pitchClasses) >= 2) onsets_.push_back(static_cast<double>(chord.ms));
}

void StrumOnsets::finish() {
  for (const HeardChord& chord : listener_->finish())
    if (std::popcount(chord.pitchClasses) >= 2) onsets_.push_back(static_cast<double>(chord.ms));
}

LatencyMeasurement medianLatency(std::span<const double> clicksMs, std::span<const double> onsetsMs) {
  std::vector<double> offsets;
  for (double click : clicksMs) {
    std::optional<double> nearest;
    for (double onset : onsetsMs) {
      const double offset = onset - click;
      if (std::abs(offset) <= kMaxCalibrationOffsetMs && (!nearest || std::abs(offset) < std::abs(*nearest)))
        nearest = offset;
    }
    if (nearest) offsets.push_back(*nearest);
  }
  LatencyMeasurement measured;
  measured.strums = static_cast<int>(offsets.size());
  if (measured.strums < kMinCalibrationStrums) return measured;
  std::sort(offsets.begin(), offsets.end());
  const std::size_t half = offsets.size() / 2;
  measured.ms = offsets.size() % 2 == 1 ? offsets[half] : (offsets[half - 1] + offsets[half]) / 2;
  return measured;
}

}  // namespace strumly
