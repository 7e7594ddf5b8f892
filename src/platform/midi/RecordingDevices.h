#pragma once
// Devices that only remember what reached them, with tick and time: for tests, benchmarks and
// checks that must not depend on a sound card.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/midi/MidiDevices.h"

namespace strumly {

struct RecordedMessage {
  std::size_t device = 0;
  bool immediate = false;  // played outside the clock
  MidiDispatch dispatch;   // for immediate messages only `message` is set
};

class MidiRecording {
 public:
  void add(const RecordedMessage& m);
  void addSilence(std::size_t device, std::uint16_t mask);
  std::vector<RecordedMessage> messages() const;
  std::vector<std::uint16_t> silences() const;
  void clear();
  // The device went away: its open outputs report it lost and hear nothing more.
  void unplug(std::size_t device);
  bool unplugged(std::size_t device) const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::size_t> unplugged_;
  std::vector<RecordedMessage> messages_;
  std::vector<std::uint16_t> silences_;
};

class RecordingDevices final : public MidiDevices {
 public:
  RecordingDevices(std::vector<std::string> outputs, std::vector<std::string> inputs = {});

  // Shared with the devices handed out, so it outlives the library that owns them.
  std::shared_ptr<MidiRecording> recording() const { return recording_; }

  std::vector<std::string> outputNames() override { return outputs_; }
  std::vector<std::string> inputNames() override { return inputs_; }
  // An unplugged device stays listed (as a port does until the list is read again) but no longer
  // opens.
  std::unique_ptr<MidiOutput> openOutput(std::size_t index) override;
  std::unique_ptr<MidiInputPort> openInput(std::size_t index) override;

 private:
  std::vector<std::string> outputs_;
  std::vector<std::string> inputs_;
  std::shared_ptr<MidiRecording> recording_ = std::make_shared<MidiRecording>();
};

}  // namespace strumly
