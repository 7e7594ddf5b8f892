#include "gui/print/PrintCellPlayback.h"

#include "core/midi/MidiEvent.h"
#include "core/pages/RecordConversions.h"
#include "core/playback/ChordPlayer.h"
#include "gui/playback/PlaybackContext.h"

namespace strumly::gui {

bool PrintCellPlayback::play() {
  if (cell_.isEmpty()) return false;
  if (cell_.isChord) return context_.playSingleChord(cellToChord(cell_), false);
  SequenceSink* sink = context_.sink();
  if (!sink) return false;
  return PlayScale(cellToScale(cell_), 0, context_.settings(false), *sink) == ScalePlayResult::Played;
}

void PrintCellPlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  if (message == markerMessage(1)) {
    context_.noteMarker(param, false);
  } else if (message == kMsgAllPlayed) {
    context_.phraseEnded();
  }
}

}  // namespace strumly::gui
