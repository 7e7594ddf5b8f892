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
  outDevice_ = static_cast<std::uint16_t>(settings.outDevice);
  if (outputs > 0) {
    syncHandle_ = library_.OpenSync(0, bridge_.poster(), 0, 10);
    openOutput(outDevice_);
  }
  if (inputs > 0)
    midiInHandle_ =
        library_.OpenMidiIn(bridge_.poster(), static_cast<std::uint16_t>(settings.inDevice), 0, kOpenFlags);
}

bool LibraryMidiSession::openOutput(std::uint32_t device) {
  midiOutHandle_ = library_.OpenMidiOut(bridge_.poster(), device, syncHandle_, kOpenFlags);
  if (midiOutHandle_ == 0) return false;
  outDevice_ = device;
  if (library_.GetMidiOutDescription(device, outputName_) == 0) outputName_.clear();
  sink_ = std::make_unique<LibrarySequenceSink>(library_, syncHandle_, midiOutHandle_);
  return true;
}

void LibraryMidiSession::closeOutput() {
  sink_.reset();
  if (midiOutHandle_) library_.CloseMidiOut(midiOutHandle_);
  midiOutHandle_ = 0;
  outputName_.clear();
}

void LibraryMidiSession::reopenOutput() {
  closeOutput();
  if (syncHandle_ != 0 && library_.GetNumOutDevices() > 0) openOutput(outDevice_);
}

std::string LibraryMidiSession::replaceLostOutput() {
  const std::string lost = outputName_;
  closeOutput();
  if (syncHandle_ == 0) return {};
  // The list is read again, so a device that went away no longer counts and the numbers of the
  // others may have moved: the lost one is looked for by its name.
  const std::uint32_t count = library_.GetNumOutDevices();
  for (std::uint32_t device = 0; device < count; ++device) {
    std::string name;
    if (library_.GetMidiOutDescription(device, name) != 0 && name == lost && openOutput(device))
      return outputName_;
  }
  if (count > 0 && openOutput(0)) return outputName_;
  return {};
}

void LibraryMidiSession::close() {
  sink_.reset();
  if (syncHandle_) library_.CloseSync(syncHandle_);
  if (midiInHandle_) library_.CloseMidiIn(midiInHandle_);
  if (midiOutHandle_) library_.CloseMidiOut(midiOutHandle_);
  syncHandle_ = midiInHandle_ = midiOutHandle_ = 0;
  outputName_.clear();
}

std::string LibraryMidiSession::problem() {
  if (problemReported_) return {};
  problemReported_ = true;
  return library_.builtInSynthStatus();
}

std::uint32_t LibraryMidiSession::outputCount() {
  return library_.GetNumOutDevices();
}

std::uint32_t LibraryMidiSession::midiOutOpen(std::uint32_t device) {
  return library_.midiOutOpen(device);
}

void LibraryMidiSession::midiOutShortMsg(std::uint32_t handle, std::uint32_t message) {
  library_.midiOutShortMsg(handle, message);
}

void LibraryMidiSession::midiOutClose(std::uint32_t handle) {
  library_.midiOutClose(handle);
}

}  // namespace strumly::gui
