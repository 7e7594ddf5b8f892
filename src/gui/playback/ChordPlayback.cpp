#include "gui/playback/ChordPlayback.h"

#include "core/midi/MidiEvent.h"
#include "core/playback/ChordPlayer.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playback/Transport.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

bool ChordPlayback::play() {
  SequenceSink* sink = context_.sink();
  if (!sink || chord_.isEmpty()) return false;
  // Single chords always sound at 120 beats per minute, whatever the play page's tempo.
  sink->setTempo(kDefaultTempoMicros);
  // Whatever the neck showed stays under the playing markers.
  if (!PlayChord(chord_, context_.settings(false), *sink)) return false;
  context_.transport().setChordSounding(true);
  return true;
}

void ChordPlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  if (message == markerMessage(1)) {
    context_.noteMarker(param, false);
  } else if (message == kMsgAllPlayed) {
    context_.phraseEnded();
  }
}

}  // namespace strumly::gui
