#pragma once
// Tick position of a running clock. The position is always derived from the last anchor (a tick
// reached at a known time) and the tempo since then, never accumulated step by step, so long
// playbacks do not drift.
#include <cstdint>

#include "core/midi/MidiEvent.h"

namespace strumly {

constexpr double microsForTicks(double ticks, std::uint32_t tempoMicros) {
  return ticks * tempoMicros / kTicksPerBeat;
}

class TempoClock {
 public:
  bool running() const { return running_; }
  std::uint32_t tempo() const { return tempoMicros_; }

  // Back to tick 0, halted.
  void reset();
  void start(std::int64_t nowMicros);
  void halt(std::int64_t nowMicros);
  // Tempo of the ticks from now on; the ticks already passed keep theirs.
  void setTempo(std::uint32_t tempoMicros, std::int64_t nowMicros);
  // Tempo of the ticks from `tick` on, for a change that was due at that tick: the clock may
  // notice it a little later, and the ticks in between must not keep the old tempo.
  void setTempoFromTick(std::uint32_t tempoMicros, double tick);

  double tickAt(std::int64_t nowMicros) const;
  // First whole microsecond at which `tick` has been reached; only meaningful while running.
  std::int64_t timeOfTick(double tick) const;

 private:
  bool running_ = false;
  std::uint32_t tempoMicros_ = kDefaultTempoMicros;
  double anchorTick_ = 0.0;
  std::int64_t anchorMicros_ = 0;
};

}  // namespace strumly
