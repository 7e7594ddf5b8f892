#pragma once
// The real MIDI library on recording outputs and a clock the test steps by hand, with the bridge
// that carries its messages to the interface and the session the program plays through.
#include <memory>
#include <string>
#include <vector>

#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiBridge.h"
#include "platform/midi/MidiClock.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"

namespace strumly::gui {

class SteppedMidiLibrary {
 public:
  explicit SteppedMidiLibrary(std::vector<std::string> outputs)
      : SteppedMidiLibrary(std::make_unique<RecordingDevices>(std::move(outputs)),
                           std::make_unique<VirtualMidiClock>()) {}

  const std::shared_ptr<MidiRecording> heard;  // what reached the outputs
  VirtualMidiClock& time;
  MidiLibrary library;
  MidiBridge bridge;
  LibraryMidiSession session{library, bridge};

 private:
  SteppedMidiLibrary(std::unique_ptr<RecordingDevices> devices, std::unique_ptr<VirtualMidiClock> clock)
      : heard(devices->recording()), time(*clock), library(std::move(devices), std::move(clock)) {}
};

}  // namespace strumly::gui
