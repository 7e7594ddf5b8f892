#include "core/practice/ChordCheckListener.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/listen/ChordListener.h"
#include "core/practice/PlayAlongScorer.h"

namespace strumly {

namespace {

// Kept input: what the judgement needs before a strum's onset, and the chord listener's report
// (about 170 ms after it) with room to spare.
constexpr double kKeptSeconds = 1.0;

bool anyNote(const std::array<PitchNumber, kStringCount>& pitches) {
  return std::any_of(pitches.begin(), pitches.end(), [](PitchNumber p) { return p != 0; });
}

}  // namespace

ChordCheckListener::ChordCheckListener(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz,
                                       Spelling spelling)
    : rate_(sampleRate),
      a4_(a4Hz),
      listener_(std::make_unique<ChordListener>(sampleRate, std::move(chordTypes), a4Hz, spelling)) {}

ChordCheckListener::~ChordCheckListener() = default;

void ChordCheckListener::setTarget(const std::array<PitchNumber, kStringCount>& pitches) {
  target_ = pitches;
}

CheckedStrum ChordCheckListener::judged(const HeardChord& heard) const {
  CheckedStrum strum{heard, std::nullopt};
  if (!anyNote(target_)) return strum;
  const auto onset = std::llround(static_cast<double>(heard.ms) * rate_ / 1000.0);
  const StrumJudgement j = judgeStrumAt(target_, kept_, onset - first_, rate_, a4_);
  std::uint16_t wanted = 0;
  for (PitchNumber p : target_)
    if (p != 0) wanted = static_cast<std::uint16_t>(wanted | (1u << pitchClassOf(p)));
  // The chord listener heard a strum, so even a judgement of silence is every note missing.
  strum.check = checkChord(target_, static_cast<std::uint16_t>((wanted & ~j.missing) | j.extra));
  if (j.verdict == StrumVerdict::Missed) strum.check = checkChord(target_, 0);
  return strum;
}

std::vector<CheckedStrum> ChordCheckListener::ready(bool all) {
  std::vector<CheckedStrum> out;
  const std::int64_t end = first_ + static_cast<std::int64_t>(kept_.size());
  const std::int64_t after = strumSoundAfterOnset(rate_);
  std::size_t done = 0;
  for (; done < waiting_.size(); ++done) {
    const auto onset = std::llround(static_cast<double>(waiting_[done].ms) * rate_ / 1000.0);
    if (!all && onset + after > end) break;
    out.push_back(judged(waiting_[done]));
  }
  waiting_.erase(waiting_.begin(), waiting_.begin() + static_cast<std::ptrdiff_t>(done));
  return out;
}

std::vector<CheckedStrum> ChordCheckListener::feed(const float* mono, std::size_t count) {
  kept_.insert(kept_.end(), mono, mono + count);
  for (HeardChord& c : listener_->feed(mono, count)) waiting_.push_back(std::move(c));
  std::vector<CheckedStrum> out = ready(false);
  // Trim only once the kept input is well over its length, sparing a move per block.
  const auto keep = static_cast<std::size_t>(std::lround(kKeptSeconds * rate_));
  if (waiting_.empty() && kept_.size() > 2 * keep) {
    const std::size_t drop = kept_.size() - keep;
    kept_.erase(kept_.begin(), kept_.begin() + static_cast<std::ptrdiff_t>(drop));
    first_ += static_cast<std::int64_t>(drop);
  }
  return out;
}

std::vector<CheckedStrum> ChordCheckListener::finish() {
  for (HeardChord& c : listener_->finish()) waiting_.push_back(std::move(c));
  return ready(true);
}

}  // namespace strumly
