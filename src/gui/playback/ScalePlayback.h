#pragma once
// Play on the Scales page: the selected position of currentScale, note by note from the lowest
// string, each note shown on the fretboard as it sounds ("Play This Diagram"); with the root
// switch down, or for "Play Scale From Root", the run starts at the root. Pause holds the run,
// Stop ends it at once.
#include <functional>

#include "gui/playback/PagePlayer.h"

namespace strumly {
struct ScaleDiagram;
}

namespace strumly::gui {

class PlaybackContext;

class ScalePlayback : public PagePlayer {
 public:
  // `scale` is the page's record (a holder) and `position` answers the selected position; both
  // are read at every Play.
  ScalePlayback(const ScaleDiagram& scale, std::function<int()> position, PlaybackContext& context)
      : scale_(scale), position_(std::move(position)), context_(context) {}

  // "Play Scale From Root": the next start runs from the root whatever the switch shows.
  void setFromRoot(bool on) { fromRoot_ = on; }

  bool play() override;
  bool canPause() const override { return true; }
  void pause(bool down) override;
  bool stop() override;
  void midiMessage(std::uint32_t message, std::uint32_t param) override;

 private:
  const ScaleDiagram& scale_;
  std::function<int()> position_;
  PlaybackContext& context_;
  bool fromRoot_ = false;
};

}  // namespace strumly::gui
