#include "core/listen/StrumSecondLook.h"

#include <algorithm>
#include <cmath>

#include "core/listen/HeardEvents.h"
#include "core/listen/StringPartials.h"
#include "core/listen/StrumNotes.h"
#include "core/theory/Pitch.h"

namespace strumly::listen {

namespace {

constexpr double kToleranceCents = 40;
constexpr int kPartials = 12;
// A note standing out on its own: its fundamental at least this share of the strum's strongest
// peak. So strong a partial of a note not heard would have made that note heard. On the tuning
// keys' exact sets every set gained or held at 0.5 (+6 strums; G +4); 0.3 gained one more there
// but lost a steel strum or two; 0.15 added partials of notes not heard (57 strums fewer).
constexpr double kStandingOutShare = 0.5;
// Or at least this share, when its second partial is a narrow peak too, of at least the second
// share: a string's lowest two partials. On the tuning keys 0.2 and 0.05 gained 11 strums with no
// set fewer (G +4); 0.15 and 0.25 gained 6 and 7, a second share of 0.02 or 0.1 as many or one
// fewer; asking for the third partial as well gained 2 to 4 fewer.
constexpr double kWithSecondPartialShare = 0.2;
constexpr double kSecondPartialShare = 0.05;
// A missed lower note: its fundamental at least this share. On the tuning keys 0.25 gained 6
// strums with no set fewer (G +6); 0.2 and 0.3 gained 2 and 1 (G 6 and 3); 0.1 and below took
// other strings' partials for lower notes (17 to 80 strums fewer).
constexpr double kMissedLowerShare = 0.25;

}  // namespace

StrumSecondLook::StrumSecondLook(std::vector<double> added, std::size_t firstBin, double binHz,
                                 double windowSeconds, double a4Hz)
    : added_(std::move(added)), binHz_(binHz), lobe_(narrowLobeBins(binHz, windowSeconds)), a4_(a4Hz) {
  for (std::size_t k = firstBin; k < added_.size(); ++k) strongest_ = std::max(strongest_, added_[k]);
}

double StrumSecondLook::peakAt(double hz) const {
  return narrowPeakNear(added_, binHz_, hz, lobe_, kToleranceCents);
}

std::vector<double> StrumSecondLook::fundamentalsBelow(const HeardSet& set, int below) const {
  std::vector<double> fundamentals;
  for (int note : set.notes)
    if (note < below) fundamentals.push_back(noteHz(note, a4_));
  return fundamentals;
}

void StrumSecondLook::addNotesStandingOut(HeardSet& set) const {
  if (!(strongest_ > 0)) return;
  while (set.notes.size() < 6) {
    int best = -1;
    double bestPeak = kWithSecondPartialShare * strongest_;
    const std::vector<double> heardHz = fundamentalsBelow(set, kHighestHeardNote + 1);
    for (int midi = kLowestHeardNote; midi <= kHighestHeardNote; ++midi) {
      if (((set.pitchClasses >> (midi % 12)) & 1u) != 0) continue;
      const double hz = noteHz(midi, a4_);
      if (onPartialOf(hz, heardHz, kPartials, kToleranceCents)) continue;
      const double peak = peakAt(hz);
      if (peak <= bestPeak) continue;
      if (peak < kStandingOutShare * strongest_ && peakAt(2 * hz) < kSecondPartialShare * strongest_) continue;
      std::vector<int> with = set.notes;
      with.push_back(midi);
      if (!playableOnSixStrings(with)) continue;
      best = midi, bestPeak = peak;
    }
    if (best < 0) return;
    set.add(best);
  }
}

void StrumSecondLook::lowerNotesForTheirPartials(HeardSet& set) const {
  if (!(strongest_ > 0)) return;
  const auto heard = [&](int midi) { return std::find(set.notes.begin(), set.notes.end(), midi) != set.notes.end(); };
  std::vector<int> partials, lowers;
  for (int note : set.notes) {
    if (std::count_if(set.notes.begin(), set.notes.end(), [&](int n) { return n % 12 == note % 12; }) != 1)
      continue;
    for (int interval : {19, 28}) {  // on the lower note's 3rd or 5th partial
      const int lower = note - interval;
      if (lower < kLowestHeardNote || heard(lower) || ((set.pitchClasses >> (lower % 12)) & 1u) == 0) continue;
      const double hz = noteHz(lower, a4_);
      if (onPartialOf(hz, fundamentalsBelow(set, lower), kPartials, kToleranceCents) ||
          peakAt(hz) < kMissedLowerShare * strongest_)
        continue;
      partials.push_back(note);
      lowers.push_back(lower);
      break;
    }
  }
  if (partials.empty()) return;
  HeardSet kept;
  for (int note : set.notes)
    if (std::find(partials.begin(), partials.end(), note) == partials.end()) kept.add(note);
  for (int lower : lowers) {
    std::vector<int> with = kept.notes;
    with.push_back(lower);
    if (std::find(kept.notes.begin(), kept.notes.end(), lower) == kept.notes.end() && playableOnSixStrings(with))
      kept.add(lower);
  }
  set = kept;
}

}  // namespace strumly::listen
