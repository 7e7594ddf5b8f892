#include "core/tab/TabRecording.h"

#include "core/tab/TabPlayer.h"

namespace strumly {

namespace {

// Keeps only what a file of sound or notes can hold: the channel events, at their ticks. A long
// page queues a cursor marker for every column, which an export would only carry around.
class ChannelEventRecorder final : public SequenceSink {
 public:
  QueueResult queue(const MidiEvent& event) override {
    tick_ += event.time;
    if (isChannelStatus(event.status)) events.push_back({tick_, event});
    return QueueResult::Queued;
  }
  void setTempo(std::uint32_t microsPerBeat) override { tempoMicros = microsPerBeat; }
  void start() override {}
  void pause() override {}
  void restart() override {}
  void stop() override {}
  void flush() override {}

  std::vector<TickedEvent> events;
  std::uint32_t tempoMicros = kDefaultTempoMicros;

 private:
  std::uint64_t tick_ = 0;
};

}  // namespace

RecordedSong recordTabPage(const TabPageFile& file, const MidiSettings& midi) {
  RecordedSong song;
  song.tempoMicros = file.settings.tempoMicros;
  const std::optional<ConvertedTab> converted = convertTab(file.lines, file.settings.autoTune);
  if (!converted) return song;
  TabPlayerOptions options = tabPlayerOptionsFrom(file.settings, midi, converted->tuning);
  options.loop = false;
  options.stepMode = false;
  ChannelEventRecorder sink;
  TabPlayer player;
  player.start(converted->lines, clampTabMarkers(file.settings.markers, converted->lines), options, sink);
  song.events = std::move(sink.events);
  song.tempoMicros = sink.tempoMicros;
  return song;
}

}  // namespace strumly
