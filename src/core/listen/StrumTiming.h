#pragma once
// When each frequency of a strum rose. A strum sounds its strings one after another, so a note
// whose partials all lie on a lower string's partials (a twelfth or an octave above it) still
// shows as a later rise at its fundamental, while the lower string's own partials rise with it.
// Internal to listen/.
#include <cstddef>
#include <vector>

namespace strumly::listen {

class StrumTiming {
 public:
  // The frames' length in samples: about 46 ms, long enough to part the partials of the low
  // strings and the neighbouring strings' partials around them.
  static std::size_t frameLength(double sampleRate);
  // Half the width of a frame's main lobe (Hz): a partial nearer than this to a place leaks into it.
  double lobeHz() const;

  // `samples`: from frameLength() samples before the strum's onset through the end of its
  // analysis window.
  StrumTiming(std::vector<float> samples, double sampleRate);

  // The time, in seconds after the onset, at which the magnitude at `hz` had risen halfway from
  // what sounded there before the onset to its greatest; a frame's time is its centre's.
  double rise(double hz) const;
  // How far (radians, 0..pi) the phase at `hz` turned from the frame centred `from` seconds after
  // the onset to the last frame, which ends with the samples.
  double phaseTurn(double hz, double from) const;

 private:
  std::vector<float> samples_;
  std::vector<double> taper_;
  double rate_;
};

}  // namespace strumly::listen
