#pragma once
// Where LED frames go to the Fretlight guitar. Deciding whether to show anything at all (guitar
// present, LED output switched on) and pausing the switch polling around a write is the caller's
// business; a sink only delivers, so the display logic can be tested without a guitar.
#include "core/views/ChordPicture.h"
#include "core/views/FretboardGeometry.h"

namespace strumly {

class LedSink {
 public:
  virtual ~LedSink() = default;

  // Lights exactly the entries of `frame` whose lit byte is non-zero (the root byte is the
  // caller's bookkeeping). A left-handed player holds the guitar the other way round, so the
  // strings are swapped on the neck for Hand::Left.
  virtual void send(const LedFrame& frame, Hand hand) = 0;
  // Every LED off.
  virtual void clear() = 0;
  // Every LED on, so the player can see that none is broken (the LED test of the preferences).
  virtual void lightAll() = 0;
};

}  // namespace strumly
