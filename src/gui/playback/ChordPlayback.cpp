#include "gui/playback/ChordPlayback.h"

#include "core/midi/MidiEvent.h"
#include "gui/playback/PlaybackContext.h"

namespace strumly::gui {

bool ChordPlayback::play() {
  return context_.playSingleChord(chord_, false);
}

void ChordPlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  if (message == markerMessage(1)) {
    context_.noteMarker(param, false);
  } else if (message == kMsgAllPlayed) {
    context_.phraseEnded();
  }
}

}  // namespace strumly::gui
