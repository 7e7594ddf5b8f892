#pragma once
// What the players read from the settings and the transport buttons, gathered in one plain value
// so the players never reach into the window. The page copies the current state in before each
// start.
#include <cstdint>

#include "core/app/AppSettings.h"

namespace strumly {

struct PlaybackSettings {
  MidiSettings midi;
  bool bassNote = false;         // [Main] Bass for single chords and scales; the bass button on the play page
  int strumSpeed = -300;         // strum slider position, -800..0; its size is the spread between strings
  bool countOff = false;         // Count Off button
  int countOffMeasures = 1;      // [PlayPage] CountOff
  bool click = false;            // Click button: sounding beats on the play page
  bool loop = false;             // Loop Play button
  bool stepMode = false;         // Step Play button
  bool singleChordMode = false;  // a single play-page chord from the popup menu
  bool playPageActive = false;   // the PlayPage tab shows
  bool muteGuitar = false;       // playing along: the play page sounds only the bass and the click
  bool rootPlay = false;         // Play Scale From Root
  int scaleFrets = 5;            // [Scales] Frets: frets of a scale position
  std::uint32_t tempoMicros = 600000;  // microseconds per beat of the play page
  SpeedTrainerSettings speedTrainer;   // steps the tempo at each pass of the loop (Loop Play only)
};

}  // namespace strumly
