#pragma once
// Where the players put their music: a timed event queue played by a clock. Players only ever
// queue events and steer the clock, so they see this narrow face instead of the MIDI library's
// handles, and tests can hand them a recorder instead of a device.
#include <cstdint>

#include "core/midi/MidiEvent.h"

namespace strumly {

enum class QueueResult {
  Queued,  // the event is in the queue; the caller's record may be rewritten at once
  Full,    // nothing was queued: the player keeps the same event, time included, and offers it
           // again when the queue announces room (kMsgQueueReady)
};

class SequenceSink {
 public:
  virtual ~SequenceSink() = default;

  // `event.time` counts ticks (kTicksPerBeat to the beat) after the previously queued event, so
  // a player that stopped at a full queue resumes the music without a gap or a jump.
  virtual QueueResult queue(const MidiEvent& event) = 0;
  // Microseconds per beat for the ticks that follow; players set it before they start.
  virtual void setTempo(std::uint32_t microsPerBeat) = 0;
  // Plays what is queued from tick 0.
  virtual void start() = 0;
  // Halts the clock where it is; the queue stays, so `restart` can continue from there.
  virtual void pause() = 0;
  // Continues after `pause` from the tick where the clock halted (not from tick 0).
  virtual void restart() = 0;
  // Halts the clock and drops what is still queued; sounding notes are silenced.
  virtual void stop() = 0;
  // Empties the queue without touching the clock.
  virtual void flush() = 0;
};

}  // namespace strumly
