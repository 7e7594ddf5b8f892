#include "platform/midi/RecordingDevices.h"

#include <algorithm>

namespace strumly {

namespace {

class RecordingOutput final : public MidiOutput {
 public:
  RecordingOutput(std::shared_ptr<MidiRecording> recording, std::size_t device)
      : recording_(std::move(recording)), device_(device) {}
  void play(const MidiDispatch& dispatch) override {
    if (!lost()) recording_->add({device_, false, dispatch});
  }
  void playNow(const ShortMessage& message) override {
    if (!lost()) recording_->add({device_, true, MidiDispatch{message, 0, 0, 0}});
  }
  void silence(std::uint16_t channelMask) override {
    if (!lost()) recording_->addSilence(device_, channelMask);
  }
  bool lost() override { return recording_->unplugged(device_); }

 private:
  std::shared_ptr<MidiRecording> recording_;
  std::size_t device_;
};

class NullInput final : public MidiInputPort {};

}  // namespace

void MidiRecording::add(const RecordedMessage& m) {
  std::lock_guard lock(mutex_);
  messages_.push_back(m);
}

void MidiRecording::addSilence(std::size_t, std::uint16_t mask) {
  std::lock_guard lock(mutex_);
  silences_.push_back(mask);
}

std::vector<RecordedMessage> MidiRecording::messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::vector<std::uint16_t> MidiRecording::silences() const {
  std::lock_guard lock(mutex_);
  return silences_;
}

void MidiRecording::clear() {
  std::lock_guard lock(mutex_);
  messages_.clear();
  silences_.clear();
}

void MidiRecording::unplug(std::size_t device) {
  std::lock_guard lock(mutex_);
  unplugged_.push_back(device);
}

bool MidiRecording::unplugged(std::size_t device) const {
  std::lock_guard lock(mutex_);
  return std::find(unplugged_.begin(), unplugged_.end(), device) != unplugged_.end();
}

RecordingDevices::RecordingDevices(std::vector<std::string> outputs, std::vector<std::string> inputs)
    : outputs_(std::move(outputs)), inputs_(std::move(inputs)) {}

std::unique_ptr<MidiOutput> RecordingDevices::openOutput(std::size_t index) {
  if (index >= outputs_.size() || recording_->unplugged(index)) return nullptr;
  return std::make_unique<RecordingOutput>(recording_, index);
}

std::unique_ptr<MidiInputPort> RecordingDevices::openInput(std::size_t index) {
  if (index >= inputs_.size()) return nullptr;
  return std::make_unique<NullInput>();
}

}  // namespace strumly
