#pragma once
// What the Fretlight guitar shows while the tab plays (`playLeds` on the Tablature tab). The
// notes of a column are gathered as their fret markers come due and reach the guitar together
// when the play cursor gets to the column, never one by one, so the guitar shows whole columns
// whatever "Fretlight Play Animation" says.
//
// Show Arpeggio up: the guitar shows the notes of the column playing now and keeps them until
// the column before the next note. Show Arpeggio down: every note of the range stays lit and the
// notes playing now blink against it, one blink per column (per 50 ms tick in step play).
#include <array>
#include <optional>

#include "core/tab/TabPlayer.h"
#include "core/views/ChordPicture.h"

namespace strumly {

class TabLeds {
 public:
  TabLeds() { reset(); }

  // A new play: nothing lit, nothing flashing.
  void reset();
  // "Show Arpeggio": every note of the range below fret 22 lit. The frame goes to the guitar
  // and becomes the current state; nothing flashes yet.
  const LedFrame& showArpeggio(const TabArpeggio& notes);
  // A fret marker shown: the note joins the current state and becomes its string's flashing
  // note. Fret 22 has no LED.
  void noteStarted(int string, int fret);
  // The play cursor reached a column whose kind-4 marker says whether the notes go after it
  // (`clearAfter`). Gives the frame to send, if any.
  std::optional<LedFrame> cursorReached(bool clearAfter, bool arpeggioDown, bool stepMode);
  // One blink: every string's flashing note inverted in the current state, which then goes to
  // the guitar.
  const LedFrame& flash();
  // The notes played so far stop blinking.
  void forgetFlashing() { flashingFret_.fill(-1); }

  const LedFrame& current() const { return current_; }

 private:
  LedFrame current_;
  LedFrame arpeggio_;
  std::array<int, kTabStrings> flashingFret_{};  // per string; -1 = none
};

}  // namespace strumly
