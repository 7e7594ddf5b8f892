#pragma once
// The run's MIDI handles as the shell opens and closes them; the MIDI binding supplies them.
#include <string>

#include "core/app/AppSettings.h"

namespace strumly::gui {

// Opens and closes the MIDI handles for a run; the MIDI binding supplies it.
class MidiSession {
 public:
  virtual ~MidiSession() = default;
  virtual void open(const MidiSettings& settings) = 0;
  virtual void close() = 0;
  // A problem worth telling the user once (no sound font for the built-in synth); else empty.
  virtual std::string problem() { return {}; }
};

}  // namespace strumly::gui
