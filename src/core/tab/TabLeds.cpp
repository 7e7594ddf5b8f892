#include "core/tab/TabLeds.h"

namespace strumly {

void TabLeds::reset() {
  current_.clear();
  arpeggio_.clear();
  forgetFlashing();
}

const LedFrame& TabLeds::showArpeggio(const TabArpeggio& notes) {
  arpeggio_.clear();
  forgetFlashing();
  for (int fret = 0; fret < kLedFrets; ++fret)
    for (int string = 0; string < kTabStrings; ++string)
      if (notes[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)])
        arpeggio_.light(fret, string, false);
  current_ = arpeggio_;
  return arpeggio_;
}

void TabLeds::noteStarted(int string, int fret) {
  if (string < 0 || string >= kTabStrings || fret < 0 || fret >= kLedFrets) return;
  current_.light(fret, string, false);
  flashingFret_[static_cast<std::size_t>(string)] = fret;
}

std::optional<LedFrame> TabLeds::cursorReached(bool clearAfter, bool arpeggioDown, bool stepMode) {
  if (!arpeggioDown) {
    const LedFrame shown = current_;
    if (clearAfter) current_.clear();
    return shown;
  }
  if (stepMode) {
    // The step's notes blink on the 50 ms timer over the whole range.
    current_ = arpeggio_;
    return std::nullopt;
  }
  const LedFrame shown = flash();
  if (clearAfter) {
    current_ = arpeggio_;
    forgetFlashing();
  }
  return shown;
}

const LedFrame& TabLeds::flash() {
  for (int string = 0; string < kTabStrings; ++string) {
    const int fret = flashingFret_[static_cast<std::size_t>(string)];
    if (fret < 0) continue;
    LedCell& cell = current_.cells[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)];
    cell.lit = cell.lit == 0 ? 1 : 0;
  }
  return current_;
}

}  // namespace strumly
