#include "platform/midi/MidiDevices.h"

#include "platform/midi/FluidSynthOutput.h"
#include "platform/midi/SoundFontLocator.h"

namespace strumly {

// Every open of the built-in device shares one synth, so the soundfont loads once per run and the
// interval calculator's direct notes come from the same instrument as playback.
class SystemMidiDevices::SharedSynth final : public MidiOutput {
 public:
  explicit SharedSynth(std::shared_ptr<FluidSynthOutput> synth) : synth_(std::move(synth)) {}
  void play(const MidiDispatch& dispatch) override { synth_->play(dispatch); }
  void playNow(const ShortMessage& message) override { synth_->playNow(message); }
  void silence(std::uint16_t channelMask) override { synth_->silence(channelMask); }

 private:
  std::shared_ptr<FluidSynthOutput> synth_;
};

SystemMidiDevices::SystemMidiDevices(bool withAudio)
    : withAudio_(withAudio), soundFont_(findSoundFont().value_or("")) {}

SystemMidiDevices::~SystemMidiDevices() = default;

std::vector<std::string> SystemMidiDevices::outputNames() {
  if (!sequencerTried_) {
    sequencerTried_ = true;
    sequencer_ = AlsaSequencer::open();
  }
  outputs_ = sequencer_ ? sequencer_->writablePorts() : std::vector<AlsaPort>{};
  std::vector<std::string> names{soundFont_.empty() ? kBuiltInSilentName : kBuiltInName};
  for (const AlsaPort& port : outputs_) names.push_back(port.name);
  return names;
}

std::vector<std::string> SystemMidiDevices::inputNames() {
  if (!sequencerTried_) outputNames();
  inputs_ = sequencer_ ? sequencer_->readablePorts() : std::vector<AlsaPort>{};
  std::vector<std::string> names;
  for (const AlsaPort& port : inputs_) names.push_back(port.name);
  return names;
}

void SystemMidiDevices::loadSynth() {
  if (!synth_) synth_ = std::make_shared<FluidSynthOutput>(soundFont_, withAudio_);
}

std::unique_ptr<MidiOutput> SystemMidiDevices::openOutput(std::size_t index) {
  if (index == 0) {
    loadSynth();
    return std::make_unique<SharedSynth>(synth_);
  }
  if (!sequencer_ || index - 1 >= outputs_.size()) return nullptr;
  return sequencer_->connectOutput(outputs_[index - 1]);
}

std::unique_ptr<MidiInputPort> SystemMidiDevices::openInput(std::size_t index) {
  if (!sequencer_ || index >= inputs_.size()) return nullptr;
  return sequencer_->connectInput(inputs_[index]);
}

std::string SystemMidiDevices::builtInStatus() {
  if (synth_) return synth_->status();
  return FluidSynthOutput::statusText(!soundFont_.empty(), true);
}

}  // namespace strumly
