#pragma once
// Catches a whole song from a player for an export instead of playing it: the player runs
// through the song as fast as it queues, and the result is laid out on absolute ticks.
#include <cstdint>
#include <span>
#include <vector>

#include "core/midi/MidiFileWriter.h"
#include "core/playback/SequenceSink.h"

namespace strumly {

class CollectingSequenceSink final : public SequenceSink {
 public:
  // `tickLimit`: an event that would lie beyond it is refused, and so is every one after it.
  explicit CollectingSequenceSink(std::uint64_t tickLimit = UINT64_MAX) : tickLimit_(tickLimit) {}

  // Full only past the limit, so the player queues the song to its end in one go.
  QueueResult queue(const MidiEvent& event) override;
  // The last tempo set wins: an export has one tempo.
  void setTempo(std::uint32_t microsPerBeat) override { tempoMicros_ = microsPerBeat; }
  // There is no clock: starting, pausing and stopping change nothing that was collected.
  void start() override {}
  void pause() override {}
  void restart() override {}
  void stop() override {}
  // Keeps everything queued so far and the tick count: a player that flushes while it lays out
  // the song (to drop what it queued ahead) would otherwise punch holes in the export.
  void flush() override {}

  // Every queued event in queue order, with the sum of the deltas up to and including its own.
  const std::vector<TickedEvent>& events() const { return events_; }
  // kDefaultTempoMicros until the player sets one.
  std::uint32_t tempoMicros() const { return tempoMicros_; }
  // An event was refused for lying beyond the limit.
  bool reachedLimit() const { return reachedLimit_; }

 private:
  std::vector<TickedEvent> events_;
  std::uint64_t tick_ = 0;
  std::uint64_t tickLimit_;
  bool reachedLimit_ = false;
  std::uint32_t tempoMicros_ = kDefaultTempoMicros;
};

// Ends an export when the last chord has been released, instead of running on through the
// clicks, markers and silence the player queues after it. Takes the events in queue order.
// The last note-on (velocity above 0, any channel but `clickChannel`, whose metronome clicks go on
// after the music; -1 counts every channel) decides: everything up to it is kept; after
// it only the first release of each note sounding at that point is kept (a note-off, a note-on
// of velocity 0, or all-sound-off / all-notes-off on the note's channel). The last of those
// releases is the cut. The clicks on `clickChannel` up to the cut are kept with their releases
// (a click falling on the cut itself is left out). A sounding note or click that is not released
// by the cut gets a note-off at it (the last note-on's tick when no release follows). Without any note-on
// nothing sounds, and the result is empty. Added note-offs carry `time` 0; like every TickedEvent, they are
// placed by `tick`.
std::vector<TickedEvent> trimAfterLastRelease(std::span<const TickedEvent> events, int clickChannel = -1);

}  // namespace strumly
