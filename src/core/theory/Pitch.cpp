#include "core/theory/Pitch.h"

namespace strumly {

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
