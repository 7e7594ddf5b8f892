#pragma once
// The run's MIDI handles on the MIDI library: the sync clock and the output are opened when
// there is an output device, the input when there is an input device, and all are closed at
// shutdown. The library's messages reach the interface thread through the MIDI bridge. The
// library's direct short messages serve the interval calculator.
#include <cstdint>
#include <memory>
#include <string>

#include "gui/playback/DirectMidiOut.h"
#include "gui/playback/MidiSession.h"

namespace strumly {
class MidiLibrary;
}

namespace strumly::gui {

class MidiBridge;

class LibraryMidiSession : public MidiSession, public DirectMidiOut {
 public:
  // The flags the program has always opened its ports with.
  static constexpr std::uint32_t kOpenFlags = 0x13320;

  LibraryMidiSession(MidiLibrary& library, MidiBridge& bridge) : library_(library), bridge_(bridge) {}
  ~LibraryMidiSession() override { close(); }

  void open(const MidiSettings& settings) override;
  void close() override;
  std::string problem() override;
  SequenceSink* sequence() override { return sink_.get(); }
  void closeOutput() override;
  void reopenOutput() override;
  DirectMidiOut* direct() override { return this; }
  bool isOutput(std::uint32_t handle) const override { return handle != 0 && handle == midiOutHandle_; }
  std::string outputName() const override { return outputName_; }
  std::string replaceLostOutput() override;

  std::uint32_t outputCount() override;
  std::uint32_t midiOutOpen(std::uint32_t device) override;
  void midiOutShortMsg(std::uint32_t handle, std::uint32_t message) override;
  void midiOutClose(std::uint32_t handle) override;

  std::uint32_t syncHandle() const { return syncHandle_; }
  std::uint32_t midiOutHandle() const { return midiOutHandle_; }
  std::uint32_t midiInHandle() const { return midiInHandle_; }
  MidiLibrary& library() const { return library_; }

 private:
  // Opens output `device` on the clock; false (and no output) when it does not open.
  bool openOutput(std::uint32_t device);

  MidiLibrary& library_;
  MidiBridge& bridge_;
  std::uint32_t syncHandle_ = 0;
  std::uint32_t midiOutHandle_ = 0;
  std::uint32_t midiInHandle_ = 0;
  std::uint32_t outDevice_ = 0;  // the device the output was last opened on
  std::string outputName_;
  bool problemReported_ = false;
  std::unique_ptr<SequenceSink> sink_;
};

}  // namespace strumly::gui
