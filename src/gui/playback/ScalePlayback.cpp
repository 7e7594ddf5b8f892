#include "gui/playback/ScalePlayback.h"

#include "core/midi/MidiEvent.h"
#include "core/playback/ChordPlayer.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

bool ScalePlayback::play() {
  SequenceSink* out = context_.sink();
  if (!out) return false;
  PlaybackSettings settings = context_.settings(false);
  settings.rootPlay = settings.rootPlay || fromRoot_;
  out->setTempo(kDefaultTempoMicros);
  // From the root is known only in standard tuning; anything else comes back up as after Stop.
  return PlayScale(scale_, position_(), settings, *out) == ScalePlayResult::Played;
}

void ScalePlayback::pause(bool down) {
  SequenceSink* out = context_.sink();
  if (!out) return;
  if (down)
    out->pause();
  else
    out->restart();
}

bool ScalePlayback::stop() {
  if (SequenceSink* out = context_.sink()) out->stop();
  // The note that was sounding gives its place back to the scale's marker.
  for (int string = 0; string < kStringCount; ++string) context_.fretboard().endPlayingNote(string, false);
  return true;
}

void ScalePlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  if (message == markerMessage(1)) {
    context_.noteMarker(param, false);
  } else if (message == kMsgAllPlayed) {
    context_.phraseEnded();
  }
}

}  // namespace strumly::gui
