#include "core/playback/SongRecording.h"

#include "core/midi/MidiEvent.h"
#include "core/playback/CollectingSequenceSink.h"
#include "core/playback/PlayPageSequencer.h"

namespace strumly {
namespace {

// 24 rows of half-beat slots, each filled at most once per pass; repeats can play a measure at
// most 256 times. Far more passes than any song needs, and a guard should the end never come.
constexpr int kMaxFills = 1 << 20;

}  // namespace

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

  CollectingSequenceSink sink;
  PlayPageSequencer sequencer;
  RecordedSong recorded;
  recorded.tempoMicros = play.tempoMicros;
  if (!sequencer.start(song.slots, song.signature, song.savedMarkers(), SlotPos{0, 0}, play, sink))
    return recorded;
  for (int i = 0; i < kMaxFills && !sequencer.endQueued(); ++i) sequencer.fill(sink);
  recorded.events = trimAfterLastRelease(sink.events(), settings.midi.clickChannel);
  return recorded;
}

}  // namespace strumly
