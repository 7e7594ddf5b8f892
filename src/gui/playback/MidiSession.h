#pragma once
// The run's MIDI handles as the shell opens and closes them; the MIDI binding supplies them.
#include <cstdint>
#include <string>

#include "core/app/AppSettings.h"
#include "core/playback/SequenceSink.h"

namespace strumly::gui {

class DirectMidiOut;

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

  // The output alone, closed while something else plays the device directly and opened again as
  // at start-up afterwards (the clock and the input stay open).
  virtual void closeOutput() {}
  virtual void reopenOutput() {}
  // Direct notes on the devices; none when the binding has no such path.
  virtual DirectMidiOut* direct() { return nullptr; }

  // The output went away. `isOutput` tells whether a report is about the output open now;
  // `outputName` names it. `replaceLostOutput` opens the same device again when it still opens,
  // else the first device (the built-in synth), and names what plays from now on (empty: none).
  virtual bool isOutput(std::uint32_t handle) const {
    (void)handle;
    return false;
  }
  virtual std::string outputName() const { return {}; }
  virtual std::string replaceLostOutput() { return {}; }
};

}  // namespace strumly::gui
