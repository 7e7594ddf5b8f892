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
  if (reachedLimit_ || event.time > tickLimit_ - tick_) {
    reachedLimit_ = true;
    return QueueResult::Full;
  }
  tick_ += event.time;
  events_.push_back({tick_, event});
  return QueueResult::Queued;
}

std::vector<TickedEvent> trimAfterLastRelease(std::span<const TickedEvent> events, int clickChannel) {
  const auto isClick = [clickChannel](const MidiEvent& e) {
    return isChannelStatus(e.status) && (e.status & 0x0F) == clickChannel;
  };
  std::size_t last = events.size();
  for (std::size_t i = events.size(); i-- > 0;) {
    const MidiEvent& e = events[i].event;
    if (isNoteOn(e) && !isClick(e)) {
      last = i;
      break;
    }
  }
  if (last == events.size()) return {};

  // The notes sounding right after the last note-on, in the order they were struck; the clicks
  // apart, since they do not decide where the music ends.
  using Notes = std::vector<std::pair<std::uint8_t, std::uint8_t>>;
  Notes sounding, clicks;
  const auto release = [](Notes& notes, const MidiEvent& e) {
    return std::erase_if(notes, [&](const auto& note) { return releases(e, note.first, note.second); }) > 0;
  };
  for (std::size_t i = 0; i <= last; ++i) {
    const MidiEvent& e = events[i].event;
    if (!isChannelStatus(e.status)) continue;
    release(sounding, e);
    release(clicks, e);
    if (isNoteOn(e)) (isClick(e) ? clicks : sounding).emplace_back(e.status & 0x0F, e.data1);
  }

  std::uint64_t cut = events[last].tick;
  {
    Notes left = sounding;
    for (std::size_t i = last + 1; i < events.size() && !left.empty(); ++i)
      if (isChannelStatus(events[i].event.status) && release(left, events[i].event)) cut = events[i].tick;
  }

  // The metronome goes on under the last chord: its beats up to the cut stay with their ends.
  std::vector<TickedEvent> kept(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(last) + 1);
  for (std::size_t i = last + 1; i < events.size() && events[i].tick <= cut; ++i) {
    const MidiEvent& e = events[i].event;
    if (!isChannelStatus(e.status)) continue;
    if (isClick(e)) {
      if (isNoteOn(e)) {
        if (events[i].tick == cut) continue;  // a click the export would end on would not sound
        clicks.emplace_back(e.status & 0x0F, e.data1);
        kept.push_back(events[i]);
      } else if (release(clicks, e)) {
        kept.push_back(events[i]);
      }
    } else if (release(sounding, e)) {
      kept.push_back(events[i]);
    }
  }
  for (const Notes* notes : {&sounding, &clicks})
    for (const auto& [channel, key] : *notes)
      kept.push_back({cut, {0, static_cast<std::uint8_t>(0x80 | channel), key, 0, 0}});
  return kept;
}

}  // namespace strumly
