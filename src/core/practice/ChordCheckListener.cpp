#include "core/practice/ChordCheckListener.h"

#include <algorithm>
#include <cmath>

#include "core/listen/ChordListener.h"
#include "core/practice/PlayAlongScorer.h"

namespace strumly {

namespace {

bool anyNote(const std::array<PitchNumber, kStringCount>& pitches) {
  return std::any_of(pitches.begin(), pitches.end(), [](PitchNumber p) { return p != 0; });
}

}  // namespace

ChordCheckListener::ChordCheckListener(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz,
                                       Spelling spelling)
    : rate_(sampleRate),
      listener_(std::make_unique<ChordListener>(sampleRate, std::move(chordTypes), a4Hz, spelling)),
      judge_(std::make_unique<StrumJudge>(sampleRate, a4Hz)) {}

ChordCheckListener::~ChordCheckListener() = default;

void ChordCheckListener::setTarget(const std::array<PitchNumber, kStringCount>& pitches) {
  target_ = pitches;
}

CheckedStrum ChordCheckListener::judged(const HeardChord& heard) {
  CheckedStrum strum{heard, std::nullopt};
  if (!anyNote(target_)) return strum;
  const auto onset = std::llround(static_cast<double>(heard.ms) * rate_ / 1000.0);
  const StrumJudgement j = judge_->judge(target_, kept_, onset - first_);
  // The chord listener heard a strum, so even a judgement of silence is every note missing.
  strum.check = checkChord(target_, j.verdict == StrumVerdict::Missed ? 0 : j.heard);
  return strum;
}

std::vector<CheckedStrum> ChordCheckListener::ready(bool all) {
  std::vector<CheckedStrum> out;
  const std::int64_t end = first_ + static_cast<std::int64_t>(kept_.size());
  const std::int64_t after = judge_->soundAfter();
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
  // With no strum waiting, one the chord listener has yet to report began less than a strum's
  // sound ago: that and the judgement's reach before its onset are kept. Trimmed only once the
  // kept input is well over that, sparing a move per block.
  const auto keep = static_cast<std::size_t>(judge_->soundBefore() + 2 * judge_->soundAfter());
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
