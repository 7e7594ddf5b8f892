// ALSA capture, for machines without a sound server: the card's default input through ALSA's plug
// layer, which converts to mono float and resamples where the card cannot.
#include <alsa/asoundlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

#include "platform/audio/CaptureInput.h"

namespace strumly {
namespace {

constexpr unsigned kRate = 48000;
// snd_pcm_set_params makes the period a quarter of the latency: 10 ms periods, 40 ms of buffer
// so a slow block (a chord being analysed) does not overrun at once.
constexpr unsigned kLatencyMicros = 40000;
constexpr int kWaitMillis = 100;

void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

class AlsaCaptureStream : public CaptureStream {
 public:
  explicit AlsaCaptureStream(snd_pcm_t* pcm) : pcm_(pcm) {}
  ~AlsaCaptureStream() override { snd_pcm_close(pcm_); }

  long read(float* samples, std::size_t count) override {
    const int ready = snd_pcm_wait(pcm_, kWaitMillis);
    if (ready == 0) return 0;
    if (ready < 0) return recover(ready);
    snd_pcm_sframes_t got = snd_pcm_readi(pcm_, samples, count);
    if (got == -EAGAIN) return 0;
    if (got < 0) return recover(static_cast<int>(got));
    return static_cast<long>(got);
  }

  int sampleRate() const override { return static_cast<int>(kRate); }

 private:
  // An overrun is only lost samples; a card that is gone (ENODEV, EBADFD, ...) cannot recover.
  long recover(int error) {
    if (error == -ENODEV || error == -EBADFD || error == -EIO) return -1;
    if (snd_pcm_recover(pcm_, error, 1) < 0) return -1;
    snd_pcm_start(pcm_);
    return 0;
  }

  snd_pcm_t* pcm_;
};

class AlsaCaptureBackend : public CaptureBackend {
 public:
  std::string name() const override { return "alsa"; }

  bool available(std::string& whyNot) override {
    snd_pcm_t* pcm = nullptr;
    snd_lib_error_set_handler(quietAlsaError);
    const int rc = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_CAPTURE, SND_PCM_NONBLOCK);
    snd_lib_error_set_handler(nullptr);
    if (rc < 0) {
      whyNot = std::string("ALSA has no capture device (") + snd_strerror(rc) + ")";
      return false;
    }
    snd_pcm_close(pcm);
    return true;
  }

  std::vector<AudioSourceInfo> sources() override {
    std::vector<AudioSourceInfo> list{{"", "ALSA default"}};
    void** hints = nullptr;
    if (snd_device_name_hint(-1, "pcm", &hints) < 0) return list;
    std::set<std::string> seen;
    for (void** hint = hints; *hint; ++hint) {
      const std::string name = text(snd_device_name_get_hint(*hint, "NAME"));
      const std::string io = text(snd_device_name_get_hint(*hint, "IOID"));
      std::string desc = text(snd_device_name_get_hint(*hint, "DESC"));
      if (io == "Output") continue;
      // A card's raw device seldom takes mono float; its plug form converts.
      std::string id = name.rfind("hw:", 0) == 0 ? "plug" + name : name;
      const bool wanted = id.rfind("plughw:", 0) == 0 || id.rfind("sysdefault:", 0) == 0 ||
                          id.rfind("dsnoop:", 0) == 0 || id == "pulse" || id == "pipewire";
      if (!wanted || !seen.insert(id).second) continue;
      for (char& c : desc) {
        if (c == '\n') c = ' ';
      }
      list.push_back({id, desc.empty() ? id : desc});
    }
    snd_device_name_free_hint(hints);
    return list;
  }

  std::unique_ptr<CaptureStream> open(const std::string& device, std::string& error) override {
    const std::string name = device.empty() ? std::string("default") : device;
    snd_pcm_t* pcm = nullptr;
    snd_lib_error_set_handler(quietAlsaError);
    int rc = snd_pcm_open(&pcm, name.c_str(), SND_PCM_STREAM_CAPTURE, 0);
    if (rc >= 0) {
      rc = snd_pcm_set_params(pcm, SND_PCM_FORMAT_FLOAT, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                              kLatencyMicros);
      if (rc < 0) snd_pcm_close(pcm);
    }
    // A capture stream waits for its start; readi would start it, but the wait before it would not.
    if (rc >= 0) snd_pcm_start(pcm);
    snd_lib_error_set_handler(nullptr);
    if (rc < 0) {
      error = "the ALSA input \"" + name + "\" cannot be opened (" + snd_strerror(rc) + ")";
      return nullptr;
    }
    return std::make_unique<AlsaCaptureStream>(pcm);
  }

 private:
  static std::string text(char* owned) {
    if (!owned) return {};
    std::string s(owned);
    std::free(owned);
    return s;
  }
};

}  // namespace

std::unique_ptr<CaptureBackend> makeAlsaCaptureBackend() {
  return std::make_unique<AlsaCaptureBackend>();
}

}  // namespace strumly
