#include "core/listen/NotePitch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/listen/HeardEvents.h"
#include "core/theory/Pitch.h"

namespace strumly::listen {

namespace {

constexpr int kHarmonics = 10;
// A partial is looked for within this distance of its place: a string's partials sit a little
// sharp of the exact multiples (inharmonicity), more so the higher the partial.
constexpr double kToleranceCents = 30;
// A note below the winner is the string when the partials the winner cannot explain reach these
// shares: above the winner's fundamental, of the strongest partial (a sympathetic open string
// sounds only below it), and in all, of the partials both share.
constexpr double kOwnAboveShare = 0.08;
constexpr double kOwnShare = 0.1;
// ...and what it sounds above the winner's fundamental is not small beside what it sounds below.
constexpr double kAboveOverBelow = 0.25;

// A note stands out of noise: at least one of its first partials is a peak this many times the
// spectrum half a fundamental to either side. Where noise alone sounds (room noise that starts
// with the input, a burst of it), the best candidate's partials are the noise's own flicker.
constexpr int kStandingPartials = 6;
constexpr double kStandsOver = 3.0;  // 9.5 dB

struct Partial {
  double amplitude = 0;
  double hz = 0;
};

// The spectrum half a fundamental `f0` to either side of `hz`.
double around(const std::vector<double>& mag, double binHz, double hz, double f0) {
  const auto at = [&](double f) {
    const auto k = static_cast<std::size_t>(std::lround(f / binHz));
    return k < mag.size() ? mag[k] : 0.0;
  };
  return 0.5 * (at(hz - 0.5 * f0) + at(hz + 0.5 * f0));
}

// The strongest bin near `hz`, its place refined by the parabola through the log magnitudes, and
// its height over the spectrum half a fundamental `f0` to either side: a broadband thump (the
// pick, the body) has no height there, a partial does. `peakOnly`: nothing unless that bin is a
// peak of its own, not the flank of a neighbouring partial's.
Partial partialNear(const std::vector<double>& mag, double binHz, double hz, double f0, bool peakOnly = false) {
  const double centre = hz / binHz;
  const double spread = std::max(1.0, centre * (std::exp2(kToleranceCents / 1200.0) - 1.0));
  const auto lo = static_cast<std::ptrdiff_t>(std::floor(centre - spread));
  const auto hi = static_cast<std::ptrdiff_t>(std::ceil(centre + spread));
  const auto last = static_cast<std::ptrdiff_t>(mag.size()) - 2;
  if (lo < 1 || hi > last) return {};
  std::ptrdiff_t best = lo;
  for (std::ptrdiff_t k = lo; k <= hi; ++k)
    if (mag[static_cast<std::size_t>(k)] > mag[static_cast<std::size_t>(best)]) best = k;
  const double b = mag[static_cast<std::size_t>(best)];
  if (!(b > 0)) return {};
  if (peakOnly && (mag[static_cast<std::size_t>(best - 1)] > b || mag[static_cast<std::size_t>(best + 1)] > b))
    return {};
  const double height = b - around(mag, binHz, hz, f0);
  if (!(height > 0)) return {};
  const double a = std::log(mag[static_cast<std::size_t>(best - 1)] + 1e-12);
  const double c = std::log(mag[static_cast<std::size_t>(best + 1)] + 1e-12);
  const double lb = std::log(b);
  const double denominator = a - 2 * lb + c;
  const double offset = denominator < 0 ? std::clamp(0.5 * (a - c) / denominator, -0.5, 0.5) : 0.0;
  return {height, (static_cast<double>(best) + offset) * binHz};
}

bool standsOut(const std::vector<double>& mag, double binHz, double f0) {
  for (int k = 1; k <= kStandingPartials; ++k) {
    const double hz = f0 * k;
    const double height = partialNear(mag, binHz, hz, f0, true).amplitude;
    if (height > 0 && height >= (kStandsOver - 1) * around(mag, binHz, hz, f0)) return true;
  }
  return false;
}

}  // namespace

NotePitch notePitch(const std::vector<double>& mag, double binHz, double a4Hz) {
  constexpr int kCandidates = kHighestHeardNote - kLowestHeardNote + 1;
  // partials[c][k]: candidate c's partial k+1.
  std::vector<std::array<Partial, kHarmonics>> partials(kCandidates);
  std::vector<double> score(kCandidates, 0);
  for (int c = 0; c < kCandidates; ++c) {
    const double f0 = noteHz(kLowestHeardNote + c, a4Hz);
    auto& p = partials[static_cast<std::size_t>(c)];
    for (int k = 0; k < kHarmonics; ++k) {
      p[static_cast<std::size_t>(k)] = partialNear(mag, binHz, f0 * (k + 1), f0);
      // Weights falling as 1/k^0.7: the partials of a note carry it, but a candidate an octave or
      // a twelfth below cannot win on the true note's partials alone.
      score[static_cast<std::size_t>(c)] += p[static_cast<std::size_t>(k)].amplitude / std::pow(k + 1.0, 0.7);
    }
  }
  int best = static_cast<int>(std::max_element(score.begin(), score.end()) - score.begin());
  if (!(score[static_cast<std::size_t>(best)] > 0)) return {};
  double strongest = 0;
  for (const auto& p : partials)
    for (const Partial& q : p) strongest = std::max(strongest, q.amplitude);

  // The winner may be the string's second or third partial (a guitar's low strings sound their
  // fundamental weakly). A note an octave or a twelfth below is the string when the partials the
  // winner cannot explain (the lower note's odd ones, or those not a multiple of three) carry
  // energy of their own, some of it above the winner's fundamental: an open string ringing in
  // sympathy a twelfth below sounds only its low partials.
  for (bool moved = true; moved;) {
    moved = false;
    for (int below : {12, 19}) {
      const int lower = best - below;
      if (lower < 0) continue;
      const int ratio = below == 12 ? 2 : 3;
      const auto& p = partials[static_cast<std::size_t>(lower)];
      double own = 0, shared = 0, ownAbove = 0, ownBelow = 0;
      for (int k = 0; k < kHarmonics; ++k) {
        const double a = p[static_cast<std::size_t>(k)].amplitude;
        if ((k + 1) % ratio == 0) {
          shared += a;
        } else {
          own += a;
          (k + 1 > ratio ? ownAbove : ownBelow) += a;
        }
      }
      if (ownAbove >= kOwnAboveShare * strongest && own >= kOwnShare * shared &&
          ownAbove >= kAboveOverBelow * ownBelow) {
        best = lower;
        moved = true;
        break;
      }
    }
  }

  const double f0 = noteHz(kLowestHeardNote + best, a4Hz);
  if (!standsOut(mag, binHz, f0)) return {};

  // The frequency from the partials' places, each divided by its number, weighted by amplitude.
  const auto& p = partials[static_cast<std::size_t>(best)];
  double weighed = 0, weights = 0;
  for (int k = 0; k < kHarmonics; ++k) {
    const Partial& q = p[static_cast<std::size_t>(k)];
    if (q.amplitude < 0.1 * strongest) continue;
    weighed += q.amplitude * q.hz / (k + 1);
    weights += q.amplitude;
  }
  NotePitch note;
  note.midi = kLowestHeardNote + best;
  note.hz = weights > 0 ? weighed / weights : f0;
  note.resolved = partialNear(mag, binHz, f0, f0, true).amplitude > 0 &&
                  partialNear(mag, binHz, 2 * f0, f0, true).amplitude > 0;
  return note;
}

}  // namespace strumly::listen
