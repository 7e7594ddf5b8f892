#include "core/playback/CollectingSequenceSink.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace strumly {

namespace {

bool isNoteOn(const MidiEvent& e) {
  return (e.status & 0xF0) == 0x90 && e.data2 > 0;
}

// Whether `e` silences the note: its own note-off, or a controller that silences its channel.
bool releases(const MidiEvent& e, std::uint8_t channel, std::uint8_t key) {
  if ((e.status & 0x0F) != channel) return false;
  const std::uint8_t kind = e.status & 0xF0;
  if (kind == 0x80 || (kind == 0x90 && e.data2 == 0)) return e.data1 == key;
  return kind == 0xB0 && (e.data1 == 120 || e.data1 == 123);
}

}  // namespace

QueueResult CollectingSequenceSink::queue(const MidiEvent& event) {
  tick_ += event.time;
  events_.push_back({tick_, event});
  return QueueResult::Queued;
}

std::vector<TickedEvent> trimAfterLastRelease(std::span<const TickedEvent> events, int clickChannel) {
  std::size_t last = events.size();
  for (std::size_t i = events.size(); i-- > 0;) {
    const MidiEvent& e = events[i].event;
    if (isNoteOn(e) && (e.status & 0x0F) != clickChannel) {
      last = i;
      break;
    }
  }
  if (last == events.size()) return {};

  // The notes sounding right after the last note-on, in the order they were struck.
  std::vector<std::pair<std::uint8_t, std::uint8_t>> sounding;
  for (std::size_t i = 0; i <= last; ++i) {
    const MidiEvent& e = events[i].event;
    if (!isChannelStatus(e.status)) continue;
    std::erase_if(sounding, [&](const auto& note) { return releases(e, note.first, note.second); });
    if (isNoteOn(e)) sounding.emplace_back(e.status & 0x0F, e.data1);
  }

  std::vector<TickedEvent> kept(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(last) + 1);
  std::uint64_t cut = events[last].tick;
  for (std::size_t i = last + 1; i < events.size() && !sounding.empty(); ++i) {
    const MidiEvent& e = events[i].event;
    if (!isChannelStatus(e.status)) continue;
    if (std::erase_if(sounding, [&](const auto& note) { return releases(e, note.first, note.second); }) > 0) {
      kept.push_back(events[i]);
      cut = events[i].tick;
    }
  }
  for (const auto& [channel, key] : sounding)
    kept.push_back({cut, {0, static_cast<std::uint8_t>(0x80 | channel), key, 0, 0}});
  return kept;
}

}  // namespace strumly
