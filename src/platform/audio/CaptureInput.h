#pragma once
// The program's audio input: a list of capture back-ends tried in order (the sound server's
// PulseAudio interface, then ALSA), and one capture thread that reads from the opened stream and
// hands each block to the caller. The thread logic is the same whatever the back-end, so a test
// back-end exercises it as the real ones do.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/AudioInput.h"

namespace strumly {

class CaptureStream {
 public:
  virtual ~CaptureStream() = default;
  // Fills up to `count` samples; the number read, 0 when nothing came within a short wait, or
  // negative when the device is gone.
  virtual long read(float* samples, std::size_t count) = 0;
  virtual int sampleRate() const = 0;
};

class CaptureBackend {
 public:
  virtual ~CaptureBackend() = default;
  virtual std::string name() const = 0;  // the prefix of its source ids: "pulse", "alsa"
  // Whether the back-end can capture at all on this machine; why not otherwise.
  virtual bool available(std::string& whyNot) = 0;
  // Its sources; the default one (name empty) first. Names are the back-end's own.
  virtual std::vector<AudioSourceInfo> sources() = 0;
  // Opens `name` (empty: the default) for mono float capture at 48 kHz with periods of 10 ms or less.
  virtual std::unique_ptr<CaptureStream> open(const std::string& name, std::string& error) = 0;
};

std::unique_ptr<CaptureBackend> makePulseBackend();
std::unique_ptr<CaptureBackend> makeAlsaCaptureBackend();

class CaptureInput : public AudioInput {
 public:
  // The sound server first, ALSA after it.
  CaptureInput();
  explicit CaptureInput(std::vector<std::unique_ptr<CaptureBackend>> backends);
  ~CaptureInput() override;
  CaptureInput(const CaptureInput&) = delete;
  CaptureInput& operator=(const CaptureInput&) = delete;

  std::string unavailableReason() override;
  std::vector<AudioSourceInfo> sources() override;
  bool start(const std::string& sourceId, BlockHandler onBlock, LostHandler onLost) override;
  void stop() override;
  bool isRunning() const override { return running_.load(); }
  int sampleRate() const override { return rate_.load(); }
  std::string error() const override;

  // Samples per block: 10 ms at the stream's rate.
  static std::size_t blockFrames(int sampleRate) { return static_cast<std::size_t>(sampleRate / 100); }

 private:
  CaptureBackend* firstAvailable(std::string* whyNot);
  void run(std::unique_ptr<CaptureStream> stream, BlockHandler onBlock, LostHandler onLost);

  std::vector<std::unique_ptr<CaptureBackend>> backends_;
  std::thread worker_;
  std::atomic<bool> quit_{false};
  std::atomic<bool> running_{false};
  std::atomic<int> rate_{48000};
  mutable std::mutex errorMutex_;
  std::string error_;
};

}  // namespace strumly
