#pragma once
// The speed trainer's rule: the tempo of each pass through the play page's loop. The way a change
// is drilled: a few passes slow, then a little faster, until the target tempo, which then holds.
// A start above the target steps down the same way, for slowing a passage down.
#include "core/app/AppSettings.h"

namespace strumly {

constexpr int kTrainerMinStep = 1;
constexpr int kTrainerMaxStep = 20;
constexpr int kTrainerMinPasses = 1;
constexpr int kTrainerMaxPasses = 16;

// Every value in the range the dialog offers (tempos 10..250); Kv.ini may hold anything.
SpeedTrainerSettings clampedTrainer(const SpeedTrainerSettings& settings);

// Beats per minute of pass `pass` (0 the first): `everyPasses` passes at the start tempo, then one
// step nearer the target every `everyPasses` passes, never beyond it.
int trainerTempoBpm(const SpeedTrainerSettings& settings, int pass);

}  // namespace strumly
