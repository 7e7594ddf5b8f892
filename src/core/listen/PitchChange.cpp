#include "core/listen/PitchChange.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace strumly::listen {

namespace {

// The readings must name one note this long in a row, each within this much of it but one,
// the first and the last among them: a string's attack, a beat with the string before or an
// octave slip of YIN lasts a few readings, but a single one amid a settled run (A2 read once as
// A3 beside a ringing G2) does not unsettle it. Allowing it heard 3 more notes of the legato
// scales under noise and one fewer not played; two such readings, no more.
constexpr double kSettledSeconds = 0.03;
constexpr double kWithinSemitones = 0.35;
constexpr long kOffInRun = 1;
// A soft string beating with the one before dips under YIN's confidence every few readings; one
// such reading amid a run does not break it (none: the nylon scale under noise lost two C3s).
constexpr int kUnsureInRun = 1;
// A note heard this recently is a string still ringing, not a new one.
constexpr double kRecentSeconds = 0.5;
// After this long without a voiced reading the sound before is gone.
constexpr double kSilenceSeconds = 0.15;

}  // namespace

PitchChange::PitchChange(double sampleRate, std::size_t hop, double reachSeconds)
    : rate_(sampleRate),
      reach_(std::llround(reachSeconds * sampleRate)),
      runLength_(static_cast<std::size_t>(
          std::max(2.0, std::round(kSettledSeconds * sampleRate / static_cast<double>(hop))))) {}

std::optional<PitchChange::Settled> PitchChange::feed(double exact, std::int64_t now) {
  trail_.emplace_back(exact, now);
  while (now - trail_.front().second > reach_) trail_.pop_front();
  while (!recent_.empty() && now - recent_.front().second > std::llround(kRecentSeconds * rate_))
    recent_.pop_front();
  if (exact <= 0) {
    if (++unsure_ > kUnsureInRun) readings_.clear();
    if (current_ && now - lastVoiced_ > std::llround(kSilenceSeconds * rate_)) current_.reset();
    return std::nullopt;
  }
  lastVoiced_ = now;
  unsure_ = 0;
  readings_.push_back(exact);
  if (readings_.size() > runLength_) readings_.pop_front();
  if (readings_.size() < runLength_) return std::nullopt;
  const int note = static_cast<int>(std::lround(readings_.back()));
  const auto off = [&](double r) { return std::abs(r - note) > kWithinSemitones; };
  if (off(readings_.front()) || std::count_if(readings_.begin(), readings_.end(), off) > kOffInRun)
    return std::nullopt;
  if (current_ == note) return std::nullopt;
  // A low string's fundamental fades first, and YIN reads its octave or twelfth: the same string.
  if (current_) {
    const int interval = std::abs(note - *current_);
    if (interval == 12 || interval == 19 || interval == 24) return std::nullopt;
  }
  if (std::any_of(recent_.begin(), recent_.end(), [&](const auto& r) { return r.first == note; })) {
    current_ = note;
    return std::nullopt;
  }
  Settled settled{note, current_, std::nullopt};
  if (current_) {
    // Back from the newest reading to the last that still named the note before.
    for (auto r = trail_.rbegin(); r != trail_.rend(); ++r) {
      if (r->first > 0 && std::abs(r->first - *current_) <= kWithinSemitones) {
        if (r != trail_.rbegin()) settled.departed = std::prev(r)->second;
        break;
      }
    }
  }
  current_ = note;
  return settled;
}

void PitchChange::heard(int midi, std::int64_t at) {
  current_ = midi;
  recent_.emplace_back(midi, at);
}

}  // namespace strumly::listen
