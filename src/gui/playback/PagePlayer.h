#pragma once
// What Play plays on one page. The transport owns the buttons and the playing state; a page's
// player starts, pauses, steps and stops its own sound and tells the transport when it ended.
#include <cstdint>

namespace strumly::gui {

class PagePlayer {
 public:
  virtual ~PagePlayer() = default;
  // Starts what the page offers now; false when there is nothing to play (Play releases itself).
  virtual bool play() = 0;
  // Whether Pause holds this player (a song, a scale, a tab); a single chord only plays out.
  virtual bool canPause() const { return false; }
  // Pause down (true) or up (false); only asked where `canPause` says so.
  virtual void pause(bool down) { (void)down; }
  // Stop pressed while playing. False when the sound plays out instead (a single chord) and the
  // end of playback releases Play.
  virtual bool stop() { return true; }
  // One step of step play, +1 forward or -1 back.
  virtual void step(int direction) { (void)direction; }
  // A message of the MIDI library's clock (beat, queue ready, all played, markers).
  virtual void midiMessage(std::uint32_t message, std::uint32_t param) {
    (void)message;
    (void)param;
  }
};

}  // namespace strumly::gui
