#include "core/playback/SongRecording.h"

#include "core/midi/MidiEvent.h"
#include "core/playback/CollectingSequenceSink.h"
#include "core/playback/PlayPageSequencer.h"

namespace strumly {
namespace {}  // namespace

RecordedSong recordSong(const PlayPageSong& song, const AppSettings& settings, RecordingOptions options) {
  PlaybackSettings play;
  play.midi = settings.midi;
  play.bassNote = song.bass;
  play.strumSpeed = song.strumSpeed;
  play.countOff = options.countOff;
  play.countOffMeasures = settings.countOffMeasures;
  play.click = options.click;
  play.loop = false;
  play.playPageActive = true;
  play.tempoMicros = tempoMicrosForBpm(song.tempoBpm);

  // The song's time would pass kMaxExportMicros at this tick; the sink refuses what lies beyond.
  const std::uint64_t tickLimit = kMaxExportMicros * kTicksPerBeat / play.tempoMicros;
  CollectingSequenceSink sink(tickLimit);
  PlayPageSequencer sequencer;
  RecordedSong recorded;
  recorded.tempoMicros = play.tempoMicros;
  recorded.beatsPerMeasure = slotsPerMeasure(song.signature) / 2;
  if (!sequencer.start(song.slots, song.signature, song.savedMarkers(), SlotPos{0, 0}, play, sink))
    return recorded;
  // Loop Play is off, so the song ends; a sink that refuses nothing takes it in one fill.
  sequencer.fill(sink);
  if (!sequencer.endQueued()) {
    recorded.error = kExportTooLongText;
    return recorded;
  }
  recorded.events = trimAfterLastRelease(sink.events(), settings.midi.clickChannel);
  return recorded;
}

}  // namespace strumly
