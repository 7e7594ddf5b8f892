#include "core/theory/IntervalDisplay.h"

#include <algorithm>

namespace strumly {

FretRange notesAcrossNeckRange(bool wholeNeck, int beginFret) {
  if (wholeNeck) return {0, kFretCount};
  return {std::clamp(beginFret - 1, 0, kFretCount), std::clamp(beginFret + 3, 0, kFretCount)};
}

std::vector<NeckMark> notesAcrossNeck(const std::array<std::uint8_t, 7>& intervals, PitchClass root,
                                      const std::array<PitchNumber, 6>& openPitches, FretRange range) {
  // The label a pitch class is coloured by: the first slot whose interval names it.
  std::array<int, 12> slotOfClass;
  slotOfClass.fill(-1);
  for (std::size_t slot = 0; slot < intervals.size(); ++slot) {
    if (intervals[slot] == 255) break;
    PitchClass pc = pitchClassOf(intervals[slot] + root);
    if (slotOfClass[pc] < 0) slotOfClass[pc] = static_cast<int>(slot);
  }
  std::vector<NeckMark> marks;
  for (int s = 0; s < kStringCount; ++s) {
    for (int f = range.first; f <= range.last; ++f) {
      PitchClass pc = pitchClassOf(openPitches[static_cast<std::size_t>(s)] + f);
      int slot = slotOfClass[pc];
      if (slot < 0) continue;
      bool isRoot = pc == pitchClassOf(root);
      marks.push_back({s, f, isRoot ? 0 : slot, isRoot});
    }
  }
  return marks;
}

}  // namespace strumly
