#pragma once
// The devices the MIDI library can open, numbered as the program lists them.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/midi/MidiOutput.h"
#include "platform/midi/AlsaSequencer.h"

namespace strumly {

class MidiDevices {
 public:
  virtual ~MidiDevices() = default;
  // Looks again at what is there; the numbers below refer to the latest look.
  virtual std::vector<std::string> outputNames() = 0;
  virtual std::vector<std::string> inputNames() = 0;
  virtual std::unique_ptr<MidiOutput> openOutput(std::size_t index) = 0;
  virtual std::unique_ptr<MidiInputPort> openInput(std::size_t index) = 0;
  // One sentence about a problem of the built-in synth for the user; empty when all is well.
  virtual std::string builtInStatus() { return {}; }
};

// Output 0 is the built-in synth, further outputs the writable ALSA sequencer ports; inputs are
// the readable ports.
class SystemMidiDevices final : public MidiDevices {
 public:
  static constexpr const char* kBuiltInName = "Strumly Synth (FluidSynth)";
  static constexpr const char* kBuiltInSilentName = "Strumly Synth (no soundfont)";

  // `withAudio` false keeps the built-in synth off the sound card (tests, benchmarks).
  explicit SystemMidiDevices(bool withAudio = true);
  ~SystemMidiDevices() override;

  std::vector<std::string> outputNames() override;
  std::vector<std::string> inputNames() override;
  std::unique_ptr<MidiOutput> openOutput(std::size_t index) override;
  std::unique_ptr<MidiInputPort> openInput(std::size_t index) override;
  std::string builtInStatus() override;

 private:
  class SharedSynth;
  void loadSynth();

  bool withAudio_;
  std::string soundFont_;
  std::shared_ptr<class FluidSynthOutput> synth_;  // loaded once, shared by every open of output 0
  std::shared_ptr<AlsaSequencer> sequencer_;
  bool sequencerTried_ = false;
  std::vector<AlsaPort> outputs_;
  std::vector<AlsaPort> inputs_;
};

}  // namespace strumly
