#include "core/midi/MidiTimeline.h"

#include <cmath>

#include "core/midi/TempoClock.h"

namespace strumly {

std::vector<TimedEvent> toTimeline(std::span<const MidiEvent> events, std::uint32_t tempoMicros) {
  if (tempoMicros == 0) tempoMicros = 1;
  std::vector<TimedEvent> timeline;
  timeline.reserve(events.size());
  std::uint64_t tick = 0;
  for (const MidiEvent& e : events) {
    tick += e.time;
    const auto micros =
        static_cast<std::int64_t>(std::llround(microsForTicks(static_cast<double>(tick), tempoMicros)));
    timeline.push_back({tick, micros, e});
  }
  return timeline;
}

}  // namespace strumly
