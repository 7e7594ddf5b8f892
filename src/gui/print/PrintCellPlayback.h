#pragma once
// Play on the Print page: the selected cell, a chord strummed as a single chord or a scale
// position played note by note from its beginning fret.
#include "gui/playback/PagePlayer.h"

namespace strumly {
struct PrintCell;
}

namespace strumly::gui {

class PlaybackContext;

class PrintCellPlayback : public PagePlayer {
 public:
  // `cell` is the page's selected cell (a holder), read at every Play.
  PrintCellPlayback(const PrintCell& cell, PlaybackContext& context) : cell_(cell), context_(context) {}

  bool play() override;
  bool stop() override { return false; }
  void midiMessage(std::uint32_t message, std::uint32_t param) override;

 private:
  const PrintCell& cell_;
  PlaybackContext& context_;
};

}  // namespace strumly::gui
