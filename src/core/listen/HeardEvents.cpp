#include "core/listen/HeardEvents.h"

#include <cmath>

#include "core/theory/Pitch.h"

namespace strumly {

NearestNote nearestNote(double hz, double a4Hz) {
  if (!(hz > 0) || !(a4Hz > 0)) return {};
  const double exact = exactPitch(hz, a4Hz);
  const double midi = std::round(exact);
  return {static_cast<int>(midi), (exact - midi) * 100.0};
}

std::string noteNameWithOctave(int midi) {
  // Integer division must floor for the (unused but possible) negative octave.
  const int octave = (midi >= 0 ? midi / 12 : (midi - 11) / 12) - 1;
  return std::string(kSharpNames[pitchClassOf(midi)]) + std::to_string(octave);
}

std::string pitchClassesText(std::uint16_t pitchClasses) {
  return pitchClassNames(pitchClasses, NoteNames{Spelling::Sharps});
}

}  // namespace strumly
