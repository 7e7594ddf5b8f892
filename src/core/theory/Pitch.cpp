#include "core/theory/Pitch.h"

#include <cmath>

namespace strumly {

double noteHz(double pitch, double a4Hz) {
  return a4Hz * std::exp2((pitch - 69.0) / 12.0);
}

double exactPitch(double hz, double a4Hz) {
  return 69.0 + 12.0 * std::log2(hz / a4Hz);
}

std::string pitchClassNames(std::uint16_t pitchClasses, const NoteNames& names) {
  std::string text;
  for (int pc = 0; pc < 12; ++pc) {
    if ((pitchClasses & (1u << pc)) == 0) continue;
    if (!text.empty()) text += ' ';
    text += names.name(pc);
  }
  return text;
}

std::string tuningName(const Tuning& tuning, const NoteNames& names) {
  if (tuning.isStandard()) return "Standard";
  std::string text;
  for (int s = kStringCount - 1; s >= 0; --s) {
    text += names.name(tuning.pitches[static_cast<std::size_t>(s)]);
    text += ' ';
  }
  return text;
}

PitchNumber stepOpenString(PitchNumber current, int delta) {
  constexpr int span = kHighestOpenString - kLowestOpenString + 1;
  // Reduce the step first so that no delta, however large, can overflow the sum.
  int offset = (static_cast<int>(current) - kLowestOpenString + delta % span) % span;
  if (offset < 0) offset += span;
  return static_cast<PitchNumber>(kLowestOpenString + offset);
}

}  // namespace strumly
