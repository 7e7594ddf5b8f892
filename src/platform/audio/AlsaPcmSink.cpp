#include <alsa/asoundlib.h>

#include "platform/audio/PcmSink.h"

namespace strumly {
namespace {

// alsa-lib reports a missing card on stderr; a machine without sound is normal for us.
void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

class AlsaPcmSink : public PcmSink {
 public:
  explicit AlsaPcmSink(std::string device) : device_(std::move(device)) {}
  ~AlsaPcmSink() override { close(); }

  bool configure(int sampleRate, int channels, int bitsPerSample) override {
    if (pcm_ && rate_ == sampleRate && channels_ == channels && bits_ == bitsPerSample) return true;
    if (!pcm_) {
      snd_lib_error_set_handler(quietAlsaError);
      const int rc = snd_pcm_open(&pcm_, device_.c_str(), SND_PCM_STREAM_PLAYBACK, 0);
      snd_lib_error_set_handler(nullptr);
      if (rc < 0) {
        pcm_ = nullptr;
        return false;
      }
    }
    const snd_pcm_format_t format = bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    // About 100 ms of buffer keeps a superseded clip from sounding on for long.
    if (snd_pcm_set_params(pcm_, format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(channels),
                           static_cast<unsigned>(sampleRate), 1, 100000) < 0) {
      close();
      return false;
    }
    rate_ = sampleRate;
    channels_ = channels;
    bits_ = bitsPerSample;
    return true;
  }

  void prepare() override {
    if (pcm_) snd_pcm_prepare(pcm_);
  }

  long write(const std::uint8_t* frames, std::size_t count) override {
    if (!pcm_) return -1;
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, frames, count);
    if (written < 0) written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
    return static_cast<long>(written);
  }

  long pendingFrames() override {
    snd_pcm_sframes_t delay = 0;
    if (!pcm_ || snd_pcm_delay(pcm_, &delay) < 0) return 0;
    return static_cast<long>(delay);
  }

  void drop() override {
    if (pcm_) snd_pcm_drop(pcm_);
  }

 private:
  void close() {
    if (pcm_) snd_pcm_close(pcm_);
    pcm_ = nullptr;
    rate_ = channels_ = bits_ = 0;
  }

  std::string device_;
  snd_pcm_t* pcm_ = nullptr;
  int rate_ = 0, channels_ = 0, bits_ = 0;
};

}  // namespace

std::unique_ptr<PcmSink> makeAlsaSink(std::string device) {
  return std::make_unique<AlsaPcmSink>(std::move(device));
}

}  // namespace strumly
