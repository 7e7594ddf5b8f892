#pragma once
// What the tuner shows for a heard pitch: the string of the current tuning it is nearest to (so a
// drop D or an open tuning is tuned string by string as it is), how far off that string's note it
// is, and the note actually sounding.
#include <optional>

#include "core/theory/Pitch.h"

namespace strumly {

constexpr double kTunerNeedleCents = 50;  // the needle's end stops
constexpr double kInTuneCents = 3;

struct TunerReading {
  int string = 0;         // 0 is the highest-sounding string, as everywhere
  int stringPitch = 0;    // the open string's MIDI note
  double centsOff = 0;    // from the open string's note, kept within the needle's ±50
  bool inTune = false;    // within ±3 cents of it
  int heardPitch = 0;     // the MIDI note nearest to the heard pitch
  double heardCents = 0;  // off that note, -50..+50
};

// Nothing for a pitch that is not positive.
std::optional<TunerReading> readTuner(double hz, const Tuning& tuning, double a4Hz);

}  // namespace strumly
