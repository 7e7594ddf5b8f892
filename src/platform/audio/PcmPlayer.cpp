#include "platform/audio/PcmPlayer.h"

#include <algorithm>
#include <chrono>

namespace strumly {
namespace {

constexpr std::size_t kChunkFrames = 256;

}  // namespace

PcmPlayer::PcmPlayer(std::string device) : PcmPlayer(makeAlsaSink(std::move(device))) {}

PcmPlayer::PcmPlayer(std::unique_ptr<PcmSink> sink) : sink_(std::move(sink)) {
  worker_ = std::thread([this] { run(); });
}

PcmPlayer::~PcmPlayer() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    ++generation_;
  }
  wake_.notify_all();
  worker_.join();
}

void PcmPlayer::play(const WavClip& clip) {
  if (deviceFailed_.load() || clip.samples.empty()) return;
  {
    std::lock_guard lock(mutex_);
    pending_ = scaledClip(clip, volume_.load());
    ++generation_;
    playing_ = true;
  }
  wake_.notify_all();
}

void PcmPlayer::stop() {
  {
    std::lock_guard lock(mutex_);
    pending_.reset();
    ++generation_;
  }
  wake_.notify_all();
}

void PcmPlayer::setVolume(int volume) {
  volume_ = volume < 0 ? 0 : (volume > 255 ? 255 : volume);
}

bool PcmPlayer::waitIdle(int milliseconds) const {
  std::unique_lock lock(mutex_);
  return wake_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                        [this] { return !pending_ && !playing_.load(); });
}

bool PcmPlayer::superseded(std::uint64_t generation) const {
  std::lock_guard lock(mutex_);
  return generation != generation_;
}

void PcmPlayer::run() {
  for (;;) {
    WavClip clip;
    std::uint64_t generation = 0;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
      if (quit_) break;
      clip = std::move(*pending_);
      pending_.reset();
      generation = generation_;
    }
    const bool completed = playOne(clip, generation);
    (completed ? finished_ : interrupted_)++;
    {
      std::lock_guard lock(mutex_);
      if (!pending_) playing_ = false;
    }
    wake_.notify_all();
  }
}

bool PcmPlayer::playOne(const WavClip& clip, std::uint64_t generation) {
  if (!sink_->configure(clip.sampleRate, clip.channels, clip.bitsPerSample)) {
    deviceFailed_ = true;
    return false;
  }
  sink_->prepare();
  const std::size_t frameBytes = static_cast<std::size_t>(clip.channels * clip.bitsPerSample / 8);
  const std::size_t frames = clip.frameCount();
  std::size_t done = 0;
  while (done < frames) {
    if (superseded(generation)) {
      sink_->drop();
      return false;
    }
    const std::size_t n = std::min(kChunkFrames, frames - done);
    const long written = sink_->write(clip.samples.data() + done * frameBytes, n);
    if (written < 0) {
      sink_->drop();
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  // Let the buffered tail sound out, still giving way to a newer clip.
  while (sink_->pendingFrames() > 0) {
    if (superseded(generation)) {
      sink_->drop();
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  sink_->drop();
  return true;
}

}  // namespace strumly
