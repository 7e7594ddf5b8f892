#include "core/listen/StrumNotes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/listen/HeardEvents.h"
#include "core/listen/StrumTiming.h"
#include "core/theory/Pitch.h"

namespace strumly::listen {

namespace {

constexpr int kPartials = 20;
// A string's partials sit a little sharp of the exact multiples: f_h = h f0 sqrt(1 + B h^2).
constexpr double kInharmonicity = 5.0e-5;
// A peak is a note's partial within this distance of its place: wider, a neighbouring string's
// partial is taken for it (35 cents heard 10 % fewer sets exactly).
constexpr double kToleranceCents = 20;
// A note's salience and what it adds count its partials by h^-kDecay, its low ones most. A peak
// explained by a note chosen already adds nothing more: a lower note's third or fifth partial is
// not heard as a note of its own.
constexpr double kDecay = 0.5;
// Notes looked at: the most salient candidates.
constexpr std::size_t kShortlist = 24;
constexpr std::size_t kMaxNotes = 6;  // six strings
// A note is kept while it adds at least this much to the explanation (in nepers of peak height,
// weighted), and this share of what the first note explained.
constexpr double kLeastGain = 2.0;
constexpr double kLeastShare = 0.12;
// A candidate's salience must reach this share of the most salient one's: below it, notes were
// mostly partials of others that fit a template by chance (the tuning keys' exact sets +15
// strums, G's +4; 0.4, 0.45 and 0.55 gained less on the tuning keys; as a rule applied after the
// pursuit, 0.6 lost 31 and 20 strums). Taken out before the pursuit, such a note cannot hide a
// real note's partials either. High notes have fewer partials in range and so less salience to
// reach; weighing that in heard fewer sets (tuning keys 452 strums against 464).
constexpr double kLeastSalienceShare = 0.5;

// A note an octave, a twelfth or two octaves above a kept one (its fundamental on the lower note's
// 2nd, 3rd or 4th partial) is heard when its fundamental rose this much later than the lower
// note's own partials: a separate, higher string (25 ms heard more extra notes, 35 ms fewer of
// the hidden ones).
constexpr double kLaterRiseSeconds = 0.030;

// ...or when, once the lower note has settled, the phase at its fundamental turned at least this
// far (radians) and this many times as far as at the lower note's own low partials. A lone partial
// of the lower string keeps its phase, measured at its own frequency; a second string sounding
// there, with a phase of its own, turns it as it comes in, however little it adds to the
// magnitude. The turn is taken from 35 ms after the lower note's rise to the end of the window:
// earlier, the lower string's own attack still moves its phase (from 5 ms, the tuning keys heard
// 469 strums exactly against 498; 0.3 to 0.6 rad, and 1.5 to 2.5 times, heard 493 to 499).
constexpr double kTurnedRadians = 0.4;
constexpr double kTurnOverOwn = 2.0;
constexpr double kSettledSeconds = 0.035;

constexpr std::array<int, 6> kOpenStrings{40, 45, 50, 55, 59, 64};
constexpr int kHighestFret = 24;
constexpr int kStretch = 4;

struct Candidate {
  int midi = 0;
  double f0 = 0;
  std::array<int, kPartials> peak{};  // index into the peaks, -1 when none
  double salience = 0;
};

double weight(int h) {
  return std::pow(static_cast<double>(h + 1), -kDecay);
}

// Whether a string of its own sounds at `upperHz`, a place on a lower note's partial: its
// fundamental rose well after the lower note's own partials (at `ownPlaces`, risen at
// `lowerRise`), or its phase turned there while theirs held.
bool ownStringAt(const StrumTiming& timing, double upperHz, double lowerRise,
                 const std::vector<double>& ownPlaces) {
  if (timing.rise(upperHz) - lowerRise > kLaterRiseSeconds) return true;
  const double from = lowerRise + kSettledSeconds;
  const double turn = timing.phaseTurn(upperHz, from);
  if (turn <= kTurnedRadians) return false;
  for (double hz : ownPlaces)
    if (turn <= kTurnOverOwn * timing.phaseTurn(hz, from)) return false;
  return true;
}

bool assign(std::span<const int> notes, std::size_t i, unsigned used, int lowFret, int highFret) {
  if (i == notes.size()) return true;
  for (std::size_t s = 0; s < kOpenStrings.size(); ++s) {
    if ((used & (1u << s)) != 0) continue;
    const int fret = notes[i] - kOpenStrings[s];
    if (fret < 0 || fret > kHighestFret) continue;
    int lo = lowFret, hi = highFret;
    if (fret > 0) {
      lo = std::min(lo, fret);
      hi = std::max(hi, fret);
      if (hi - lo > kStretch) continue;
    }
    if (assign(notes, i + 1, used | (1u << s), lo, hi)) return true;
  }
  return false;
}

}  // namespace

bool playableOnSixStrings(std::span<const int> notes) {
  if (notes.size() > kOpenStrings.size()) return false;
  std::vector<int> sorted(notes.begin(), notes.end());
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return false;
  return assign(sorted, 0, 0, 1000, -1000);
}

std::vector<int> strumNotes(const std::vector<SpectralPeak>& peaks, double a4Hz, const StrumTiming* timing) {
  std::vector<Candidate> candidates;
  std::vector<Candidate> everyNote;  // E2..E6, not only the most salient
  const double tolerance = std::exp2(kToleranceCents / 1200.0);
  for (int midi = kLowestHeardNote; midi <= kHighestHeardNote; ++midi) {
    Candidate c;
    c.midi = midi;
    c.f0 = noteHz(midi, a4Hz);
    for (int h = 0; h < kPartials; ++h) {
      const double n = h + 1;
      const double target = n * c.f0 * std::sqrt(1 + kInharmonicity * n * n);
      int best = -1;
      for (std::size_t p = 0; p < peaks.size(); ++p) {
        const double ratio = peaks[p].hz / target;
        if (ratio > tolerance || ratio < 1 / tolerance) continue;
        if (best < 0 || peaks[p].height > peaks[static_cast<std::size_t>(best)].height)
          best = static_cast<int>(p);
      }
      c.peak[static_cast<std::size_t>(h)] = best;
      if (best >= 0) c.salience += weight(h) * peaks[static_cast<std::size_t>(best)].height;
    }
    // A string sounds its fundamental, or (a low string at first) at least its second and third
    // partials; a note an octave or a twelfth below real ones has neither.
    const bool sounds = c.peak[0] >= 0 || (c.peak[1] >= 0 && c.peak[2] >= 0);
    if (sounds && c.salience > 0) candidates.push_back(c);
    everyNote.push_back(c);
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.salience > b.salience; });
  if (candidates.size() > kShortlist) candidates.resize(kShortlist);
  // The first note taken is the most salient one, all of whose partials count.
  if (!candidates.empty()) {
    const double least = kLeastSalienceShare * candidates.front().salience;
    std::erase_if(candidates, [&](const Candidate& c) { return c.salience < least; });
  }

  // cover[p]: 1 when a chosen note explains peak p.
  const auto explanation = [&](const std::vector<std::size_t>& chosen, std::size_t skip) {
    std::vector<double> cover(peaks.size(), 0.0);
    for (std::size_t i : chosen) {
      if (i == skip) continue;
      for (int h = 0; h < kPartials; ++h) {
        const int p = candidates[i].peak[static_cast<std::size_t>(h)];
        if (p >= 0) cover[static_cast<std::size_t>(p)] = 1.0;
      }
    }
    return cover;
  };
  const auto gain = [&](std::size_t i, const std::vector<double>& cover) {
    double g = 0;
    for (int h = 0; h < kPartials; ++h) {
      const int p = candidates[i].peak[static_cast<std::size_t>(h)];
      if (p < 0) continue;
      g += peaks[static_cast<std::size_t>(p)].height * weight(h) * (1.0 - cover[static_cast<std::size_t>(p)]);
    }
    return g;
  };
  // A note of its own sounds its fundamental where no chosen note has a partial (a low string, at
  // first, its second and third partials): a peak on a lower note's partial is not a new note.
  const auto soundsItself = [&](std::size_t i, const std::vector<double>& cover) {
    const auto free = [&](int h) {
      const int p = candidates[i].peak[static_cast<std::size_t>(h)];
      return p >= 0 && cover[static_cast<std::size_t>(p)] == 0;
    };
    return free(0) || (free(1) && free(2));
  };
  const auto midiOf = [&](const std::vector<std::size_t>& chosen, std::size_t extra) {
    std::vector<int> notes;
    for (std::size_t i : chosen) notes.push_back(candidates[i].midi);
    if (extra < candidates.size()) notes.push_back(candidates[extra].midi);
    return notes;
  };

  // Greedy pursuit: each time the note that explains most of what is not explained yet, among
  // those that still leave the set playable.
  std::vector<std::size_t> chosen;
  double first = 0;
  while (chosen.size() < kMaxNotes) {
    const std::vector<double> cover = explanation(chosen, candidates.size());
    std::size_t best = candidates.size();
    double bestGain = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (std::find(chosen.begin(), chosen.end(), i) != chosen.end()) continue;
      if (!soundsItself(i, cover)) continue;
      const double g = gain(i, cover);
      if (g <= bestGain) continue;
      if (!playableOnSixStrings(midiOf(chosen, i))) continue;
      bestGain = g, best = i;
    }
    if (best == candidates.size()) break;
    if (chosen.empty()) first = bestGain;
    if (bestGain < kLeastGain || bestGain < kLeastShare * first) break;
    chosen.push_back(best);
  }
  // A note taken early may be explained by the later ones after all (a low string's octave taken
  // before the string itself): drop what adds too little now.
  for (bool dropped = true; dropped && chosen.size() > 1;) {
    dropped = false;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
      const double g = gain(chosen[k], explanation(chosen, chosen[k]));
      if (g < kLeastGain || g < kLeastShare * first) {
        chosen.erase(chosen.begin() + static_cast<std::ptrdiff_t>(k));
        dropped = true;
        break;
      }
    }
  }

  // A note whose every partial lies on a kept lower note's partials adds nothing to the
  // explanation: the pursuit cannot hear it. The order of the strum can: its fundamental rises
  // when its own, higher string sounds, well after the lower note's own partials rose.
  if (timing != nullptr && !chosen.empty()) {
    const std::vector<double> cover = explanation(chosen, candidates.size());
    const auto claims = [&](const Candidate& c, int p) {
      return std::find(c.peak.begin(), c.peak.end(), p) != c.peak.end();
    };
    unsigned heard = 0;
    for (std::size_t i : chosen) heard |= 1u << (candidates[i].midi % 12);
    std::vector<Candidate> later;
    for (const Candidate& upper : everyNote) {
      const int p0 = upper.peak[0];
      if (((heard >> (upper.midi % 12)) & 1u) != 0 || p0 < 0 || cover[static_cast<std::size_t>(p0)] == 0)
        continue;
      std::vector<std::size_t> claimers;
      for (std::size_t i : chosen)
        if (claims(candidates[i], p0)) claimers.push_back(i);
      if (claimers.size() != 1) continue;
      const Candidate& lower = candidates[claimers.front()];
      const int interval = upper.midi - lower.midi;
      const int ratio = interval == 12 ? 2 : interval == 19 ? 3 : interval == 24 ? 4 : 0;
      if (ratio == 0) continue;
      // Another peak within the timing frames' main lobe of the upper fundamental leaks into it,
      // and its own string's rise would be taken for the upper note's (a high E4 beside the F#4
      // that is a B2's third partial).
      const double upperHz = peaks[static_cast<std::size_t>(p0)].hz;
      bool crowded = false;
      for (std::size_t q = 0; q < peaks.size(); ++q)
        crowded =
            crowded || (static_cast<int>(q) != p0 && std::abs(peaks[q].hz - upperHz) < timing->lobeHz());
      if (crowded) continue;
      // When the lower note started: the earliest of its own low partials, those on neither the
      // upper note's places nor another kept note's.
      double lowerRise = -1;
      std::vector<double> ownPlaces;
      for (int h = 0; h < 4; ++h) {
        const int p = lower.peak[static_cast<std::size_t>(h)];
        if ((h + 1) % ratio == 0 || p < 0) continue;
        bool shared = false;
        for (std::size_t o : chosen) shared = shared || (o != claimers.front() && claims(candidates[o], p));
        if (shared) continue;
        ownPlaces.push_back(peaks[static_cast<std::size_t>(p)].hz);
        const double t = timing->rise(ownPlaces.back());
        if (lowerRise < 0 || t < lowerRise) lowerRise = t;
      }
      if (lowerRise < 0) continue;
      if (ownStringAt(*timing, peaks[static_cast<std::size_t>(p0)].hz, lowerRise, ownPlaces))
        later.push_back(upper);
    }
    for (const Candidate& upper : later) {
      std::vector<int> with = midiOf(chosen, candidates.size());
      with.push_back(upper.midi);
      if (chosen.size() >= kMaxNotes || !playableOnSixStrings(with)) continue;
      candidates.push_back(upper);
      chosen.push_back(candidates.size() - 1);
    }
  }

  std::vector<int> notes = midiOf(chosen, candidates.size());
  std::sort(notes.begin(), notes.end());
  return notes;
}

}  // namespace strumly::listen
