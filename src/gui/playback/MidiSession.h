#pragma once
// The run's MIDI handles as the shell opens and closes them; the MIDI binding supplies them.
#include <string>

#include "core/app/AppSettings.h"
#include "core/playback/SequenceSink.h"

namespace strumly::gui {

// Opens and closes the MIDI handles for a run; the MIDI binding supplies it.
class MidiSession {
 public:
  virtual ~MidiSession() = default;
  virtual void open(const MidiSettings& settings) = 0;
  virtual void close() = 0;
  // A problem worth telling the user once (no sound font for the built-in synth); else empty.
  virtual std::string problem() { return {}; }
  // Where the players queue their music; none while no output is open, and every player then
  // lets Play come back up without a sound.
  virtual SequenceSink* sequence() { return nullptr; }
};

}  // namespace strumly::gui
