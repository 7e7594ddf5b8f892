#pragma once
// Strings' partials in a magnitude spectrum: a partial is a local peak as narrow as the window's
// main lobe (the body's resonance and a neighbouring string's flank are broader, and are no
// note), and lies near a multiple of its string's fundamental. Shared by the chord listener and
// the play-along scorer. Internal to listen/ and practice/.
#include <cstddef>
#include <span>
#include <vector>

namespace strumly::listen {

// The highest such peak of `mag` (binHz() apart) within `toleranceCents` of `hz`, 0 when none.
// `lobe`: three quarters of the window's main lobe, in bins, where a sinusoid has fallen below a
// fifth; a peak whose magnitude that far out still holds half of its top is broad.
double narrowPeakNear(const std::vector<double>& mag, double binHz, double hz, std::size_t lobe,
                      double toleranceCents);

// That lobe for a Hann window of `windowSeconds`.
std::size_t narrowLobeBins(double binHz, double windowSeconds);

// Whether `hz` lies within `toleranceCents` of one of the first `partials` partials (exact
// multiples) of one of `fundamentals`.
bool onPartialOf(double hz, std::span<const double> fundamentals, int partials, double toleranceCents);

}  // namespace strumly::listen
