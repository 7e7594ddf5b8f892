#pragma once
// Notes sent straight to an output device, outside the clock and its queue: the interval
// calculator sounds each note the moment it lights its box.
#include <cstdint>

namespace strumly::gui {

class DirectMidiOut {
 public:
  virtual ~DirectMidiOut() = default;
  virtual std::uint32_t outputCount() = 0;
  // A handle, 0 when the device does not open.
  virtual std::uint32_t midiOutOpen(std::uint32_t device) = 0;
  // `message`: status | data1 << 8 | data2 << 16.
  virtual void midiOutShortMsg(std::uint32_t handle, std::uint32_t message) = 0;
  // Sounding notes stop with the handle.
  virtual void midiOutClose(std::uint32_t handle) = 0;
};

}  // namespace strumly::gui
