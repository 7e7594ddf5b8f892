#pragma once
// Play on a page that offers one chord: the Chords page plays the diagram chosen last, the Chord
// Design page its design. The chord is strummed at 120 beats per minute; its notes show on the
// fretboard as they sound; Stop lets it ring out and the end of the chord releases Play.
#include "gui/playback/PagePlayer.h"

namespace strumly {
struct ChordDiagram;
}

namespace strumly::gui {

class PlaybackContext;

class ChordPlayback : public PagePlayer {
 public:
  // `chord` is the page's record (a holder), read at every Play.
  ChordPlayback(const ChordDiagram& chord, PlaybackContext& context) : chord_(chord), context_(context) {}

  bool play() override;
  bool stop() override { return false; }
  void midiMessage(std::uint32_t message, std::uint32_t param) override;

 private:
  const ChordDiagram& chord_;
  PlaybackContext& context_;
};

}  // namespace strumly::gui
