#pragma once
// An audio input that captures nothing: a test hands it the samples to "hear", in the 10 ms
// blocks the real capture thread delivers, or makes the device vanish.
#include <string>
#include <vector>

#include "platform/audio/AudioInput.h"

namespace strumly {

class FakeAudioInput : public AudioInput {
 public:
  bool present = true;
  int rate = 44100;
  std::string startedWith;  // the source id of the latest start
  int starts = 0;

  std::string unavailableReason() override { return present ? "" : "No audio input: none in this test."; }
  std::vector<AudioSourceInfo> sources() override {
    if (!present) return {};
    return {{"", "System default (Fake microphone)"}, {"fake:line", "Fake line in"}};
  }
  bool start(const std::string& sourceId, BlockHandler onBlock, LostHandler onLost) override {
    stop();
    if (!present) return false;
    startedWith = sourceId;
    ++starts;
    onBlock_ = std::move(onBlock);
    onLost_ = std::move(onLost);
    running_ = true;
    return true;
  }
  void stop() override {
    running_ = false;
    onBlock_ = nullptr;
    onLost_ = nullptr;
  }
  bool isRunning() const override { return running_; }
  int sampleRate() const override { return rate; }
  std::string error() const override { return present ? "" : "none in this test"; }

  // Plays `samples` into the running capture, 10 ms at a time; nothing when none runs.
  void play(const std::vector<float>& samples) {
    const std::size_t block = static_cast<std::size_t>(rate / 100);
    for (std::size_t at = 0; at < samples.size() && onBlock_; at += block)
      onBlock_(samples.data() + at, std::min(block, samples.size() - at));
  }
  // The device goes away during a capture.
  void vanish() {
    if (!running_) return;
    running_ = false;
    if (onLost_) onLost_("the audio input stopped delivering sound");
  }

 private:
  bool running_ = false;
  BlockHandler onBlock_;
  LostHandler onLost_;
};

}  // namespace strumly
