#pragma once
// A queued sequence laid out on absolute ticks and times, for rendering it without a clock.
#include <cstdint>
#include <span>
#include <vector>

#include "core/midi/MidiEvent.h"

namespace strumly {

struct TimedEvent {
  std::uint64_t tick = 0;
  std::int64_t micros = 0;
  MidiEvent event;
};

// Events as PutMidiOut would queue them (delta times), played from tick 0 at one tempo.
std::vector<TimedEvent> toTimeline(std::span<const MidiEvent> events, std::uint32_t tempoMicros);

// Rounded sample frame of a time on the timeline.
constexpr std::int64_t frameOfMicros(std::int64_t micros, int sampleRate) {
  return (micros * sampleRate + 500000) / 1000000;
}

}  // namespace strumly
