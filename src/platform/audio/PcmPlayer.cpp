#include "platform/audio/PcmPlayer.h"

#include <alsa/asoundlib.h>

#include <chrono>

namespace strumly {
namespace {

// alsa-lib reports a missing card on stderr; a machine without sound is normal for us.
void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

constexpr snd_pcm_uframes_t kChunkFrames = 256;

}  // namespace

struct PcmPlayer::Device {
  snd_pcm_t* pcm = nullptr;
  int rate = 0, channels = 0, bits = 0;

  ~Device() { close(); }
  void close() {
    if (pcm) snd_pcm_close(pcm);
    pcm = nullptr;
    rate = channels = bits = 0;
  }
  bool configure(const std::string& name, const WavClip& clip) {
    if (pcm && rate == clip.sampleRate && channels == clip.channels && bits == clip.bitsPerSample) return true;
    if (!pcm) {
      snd_lib_error_set_handler(quietAlsaError);
      const int rc = snd_pcm_open(&pcm, name.c_str(), SND_PCM_STREAM_PLAYBACK, 0);
      snd_lib_error_set_handler(nullptr);
      if (rc < 0) {
        pcm = nullptr;
        return false;
      }
    }
    const snd_pcm_format_t format = clip.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    // About 100 ms of buffer keeps a superseded clip from sounding on for long.
    if (snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(clip.channels),
                           static_cast<unsigned>(clip.sampleRate), 1, 100000) < 0) {
      close();
      return false;
    }
    rate = clip.sampleRate;
    channels = clip.channels;
    bits = clip.bitsPerSample;
    return true;
  }
};

PcmPlayer::PcmPlayer(std::string device) : deviceName_(std::move(device)), device_(std::make_unique<Device>()) {
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

void PcmPlayer::setVolume(int volume) { volume_ = volume < 0 ? 0 : (volume > 255 ? 255 : volume); }

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
  device_->close();
}

bool PcmPlayer::playOne(const WavClip& clip, std::uint64_t generation) {
  if (!device_->configure(deviceName_, clip)) {
    deviceFailed_ = true;
    return false;
  }
  snd_pcm_t* pcm = device_->pcm;
  snd_pcm_prepare(pcm);
  const std::size_t frameBytes = static_cast<std::size_t>(clip.channels * clip.bitsPerSample / 8);
  const std::size_t frames = clip.frameCount();
  std::size_t done = 0;
  while (done < frames) {
    if (superseded(generation)) {
      snd_pcm_drop(pcm);
      return false;
    }
    const auto n = static_cast<snd_pcm_uframes_t>(std::min<std::size_t>(kChunkFrames, frames - done));
    snd_pcm_sframes_t written = snd_pcm_writei(pcm, clip.samples.data() + done * frameBytes, n);
    if (written < 0) written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
    if (written < 0) {
      snd_pcm_drop(pcm);
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  // Let the buffered tail sound out, still giving way to a newer clip.
  for (;;) {
    if (superseded(generation)) {
      snd_pcm_drop(pcm);
      return false;
    }
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(pcm, &delay) < 0 || delay <= 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  snd_pcm_drop(pcm);
  return true;
}

}  // namespace strumly
