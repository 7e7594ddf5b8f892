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
  // Its fundamental and second partial are peaks of their own: the window was long enough to
  // part them from their neighbours. Where it was not (a low string in a short window), the
  // flank of one partial can sit on the place of a note's partial that is not sounding.
  bool resolved = false;
};

// `mag`: magnitudes of a real spectrum, `binHz` apart (bin 0 = 0 Hz).
NotePitch notePitch(const std::vector<double>& mag, double binHz, double a4Hz);

}  // namespace strumly::listen
