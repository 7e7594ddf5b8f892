#include "gui/playback/LibraryMidiSession.h"

#include "gui/playback/MidiBridge.h"
#include "platform/midi/LibrarySequenceSink.h"
#include "platform/midi/MidiLibrary.h"

namespace strumly::gui {

void LibraryMidiSession::open(const MidiSettings& settings) {
  close();
  const std::uint32_t outputs = library_.GetNumOutDevices();
  const std::uint32_t inputs = library_.GetNumInDevices();
  // Device numbers are 16-bit in the library's calls; a stored number beyond the list simply
  // fails to open and leaves its handle 0.
  if (outputs > 0) {
    syncHandle_ = library_.OpenSync(0, bridge_.poster(), 0, 10);
    midiOutHandle_ = library_.OpenMidiOut(bridge_.poster(), static_cast<std::uint16_t>(settings.outDevice),
                                          syncHandle_, kOpenFlags);
  }
  if (midiOutHandle_ != 0)
    sink_ = std::make_unique<LibrarySequenceSink>(library_, syncHandle_, midiOutHandle_);
  if (inputs > 0)
    midiInHandle_ =
        library_.OpenMidiIn(bridge_.poster(), static_cast<std::uint16_t>(settings.inDevice), 0, kOpenFlags);
}

void LibraryMidiSession::close() {
  sink_.reset();
  if (syncHandle_) library_.CloseSync(syncHandle_);
  if (midiInHandle_) library_.CloseMidiIn(midiInHandle_);
  if (midiOutHandle_) library_.CloseMidiOut(midiOutHandle_);
  syncHandle_ = midiInHandle_ = midiOutHandle_ = 0;
}

std::string LibraryMidiSession::problem() {
  if (problemReported_) return {};
  problemReported_ = true;
  return library_.builtInSynthStatus();
}

}  // namespace strumly::gui
