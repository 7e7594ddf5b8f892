#pragma once
// Plays short wave clips (the spoken note names) without blocking the caller. A new clip stops
// the one still sounding, as a quick run of notes should speak only the latest. The speech volume
// scales our own samples; the system mixer is never touched. Without a sound card every call is a
// silent no-op.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/audio/PcmSink.h"
#include "platform/audio/WavClip.h"

namespace strumly {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void play(const WavClip& clip) = 0;
  virtual void stop() = 0;
  virtual void setVolume(int volume) = 0;  // 0..255
};

class PcmPlayer : public SoundPlayer {
 public:
  // "default" is the user's ALSA output; tests use "null" or a name that does not exist.
  explicit PcmPlayer(std::string device = "default");
  explicit PcmPlayer(std::unique_ptr<PcmSink> sink);
  ~PcmPlayer() override;
  PcmPlayer(const PcmPlayer&) = delete;
  PcmPlayer& operator=(const PcmPlayer&) = delete;

  void play(const WavClip& clip) override;
  void stop() override;
  void setVolume(int volume) override;
  int volume() const { return volume_.load(); }

  // Observations for tests and diagnostics.
  bool isPlaying() const { return playing_.load(); }
  bool deviceFailed() const { return deviceFailed_.load(); }
  int clipsFinished() const { return finished_.load(); }
  int clipsInterrupted() const { return interrupted_.load(); }
  // Waits until nothing plays or the time runs out; true when idle.
  bool waitIdle(int milliseconds) const;

 private:
  void run();
  bool playOne(const WavClip& clip, std::uint64_t generation);
  bool superseded(std::uint64_t generation) const;

  std::unique_ptr<PcmSink> sink_;
  mutable std::mutex mutex_;
  mutable std::condition_variable wake_;
  std::optional<WavClip> pending_;
  std::uint64_t generation_ = 0;
  bool quit_ = false;
  std::atomic<int> volume_{130};
  std::atomic<bool> playing_{false};
  std::atomic<bool> deviceFailed_{false};
  std::atomic<int> finished_{0};
  std::atomic<int> interrupted_{0};
  std::thread worker_;
};

}  // namespace strumly
