#pragma once
// What the clock needs from an output device: the built-in synth, a sequencer port, or a
// recorder in tests.
#include <cstdint>

#include "core/midi/MidiEvent.h"

namespace strumly {

// One channel message handed to a device by the clock.
struct MidiDispatch {
  ShortMessage message;
  std::uint64_t tick = 0;      // tick of the sync clock it was queued for
  std::int64_t dueMicros = 0;  // clock time that tick was reached
  std::int64_t nowMicros = 0;  // clock time of the hand-over (>= dueMicros)
};

class MidiOutput {
 public:
  virtual ~MidiOutput() = default;

  // A message that came due. Devices with their own sample clock place the sound by its due
  // time; the others just send it.
  virtual void play(const MidiDispatch& dispatch) = 0;

  // Sounds at once, outside any clock (the interval calculator's notes).
  virtual void playNow(const ShortMessage& message) = 0;

  // Silences every sounding note on the channels in `channelMask` (bit n = channel n) and forgets
  // anything the device itself still holds for later.
  virtual void silence(std::uint16_t channelMask) = 0;

  // The device went away (its port closed, or a send failed): nothing sent to it sounds any more.
  virtual bool lost() { return false; }
};

}  // namespace strumly
