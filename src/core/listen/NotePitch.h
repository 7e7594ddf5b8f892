#pragma once
// The pitch of one new note from the spectrum of what its onset added: a weighted harmonic sum
// over the guitar's notes, with a check for the octave and twelfth errors a string's weak
// fundamental invites. Internal to listen/.
#include <cstddef>
#include <vector>

namespace strumly::listen {

struct NotePitch {
  int midi = 0;  // 0: no note
  double hz = 0;
};

// `mag`: magnitudes of a real spectrum, `binHz` apart (bin 0 = 0 Hz).
NotePitch notePitch(const std::vector<double>& mag, double binHz, double a4Hz);

}  // namespace strumly::listen
