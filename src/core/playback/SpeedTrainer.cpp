#include "core/playback/SpeedTrainer.h"

#include <algorithm>
#include <cstdlib>

#include "core/midi/MidiEvent.h"

namespace strumly {

SpeedTrainerSettings clampedTrainer(const SpeedTrainerSettings& settings) {
  SpeedTrainerSettings s = settings;
  s.startTempo = std::clamp(s.startTempo, kMinTempoBpm, kMaxTempoBpm);
  s.targetTempo = std::clamp(s.targetTempo, kMinTempoBpm, kMaxTempoBpm);
  s.step = std::clamp(s.step, kTrainerMinStep, kTrainerMaxStep);
  s.everyPasses = std::clamp(s.everyPasses, kTrainerMinPasses, kTrainerMaxPasses);
  return s;
}

int trainerTempoBpm(const SpeedTrainerSettings& settings, int pass) {
  const SpeedTrainerSettings s = clampedTrainer(settings);
  const long long steps = std::max(pass, 0) / s.everyPasses;
  const long long distance = std::abs(s.targetTempo - s.startTempo);
  // Counted in steps, not in tempo, so a loop left running for hours cannot overflow.
  const long long moved = std::min(distance, steps * s.step);
  return s.startTempo + static_cast<int>(s.targetTempo >= s.startTempo ? moved : -moved);
}

}  // namespace strumly
