// Capture through the sound server's PulseAudio interface (PulseAudio itself or PipeWire's
// pipewire-pulse): the server mixes, resamples and follows the desktop's choice of default input.
// Listing asks the server once and gives up after a second; capture uses the simple API, whose
// blocking read of one 10 ms block at a time is all the capture thread needs.
#include <pulse/pulseaudio.h>
#include <pulse/simple.h>

#include <chrono>

#include "platform/audio/CaptureInput.h"

namespace strumly {
namespace {

constexpr std::uint32_t kRate = 48000;
constexpr auto kServerTimeout = std::chrono::milliseconds(1000);

// One short conversation with the server on a private main loop. Never starts a server.
class PulseQuery {
 public:
  PulseQuery() {
    loop_ = pa_mainloop_new();
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "Strumly");
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
    ready_ = runUntil([this] {
               const pa_context_state_t state = pa_context_get_state(context_);
               return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
             }) &&
             pa_context_get_state(context_) == PA_CONTEXT_READY;
  }
  ~PulseQuery() {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    pa_mainloop_free(loop_);
  }
  PulseQuery(const PulseQuery&) = delete;
  PulseQuery& operator=(const PulseQuery&) = delete;

  bool ready() const { return ready_; }
  std::string error() const { return pa_strerror(pa_context_errno(context_)); }

  std::string defaultSource() {
    std::string name;
    wait(pa_context_get_server_info(
        context_,
        [](pa_context*, const pa_server_info* info, void* user) {
          if (info && info->default_source_name) *static_cast<std::string*>(user) = info->default_source_name;
        },
        &name));
    return name;
  }

  std::vector<AudioSourceInfo> inputs() {
    std::vector<AudioSourceInfo> list;
    wait(pa_context_get_source_info_list(
        context_,
        [](pa_context*, const pa_source_info* info, int eol, void* user) {
          // A sink's monitor would hear the program itself, not the guitar.
          if (eol || !info || info->monitor_of_sink != PA_INVALID_INDEX) return;
          static_cast<std::vector<AudioSourceInfo>*>(user)->push_back(
              {info->name, info->description ? info->description : info->name});
        },
        &list));
    return list;
  }

 private:
  template <class Done>
  bool runUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + kServerTimeout;
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      // Polls in 10 ms steps so that a server that never answers cannot hold us past the deadline.
      if (pa_mainloop_prepare(loop_, 10000) < 0 || pa_mainloop_poll(loop_) < 0 ||
          pa_mainloop_dispatch(loop_) < 0) {
        return false;
      }
    }
    return true;
  }
  void wait(pa_operation* op) {
    if (!op) return;
    runUntil([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
    pa_operation_unref(op);
  }

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  bool ready_ = false;
};

class PulseStream : public CaptureStream {
 public:
  explicit PulseStream(pa_simple* simple) : simple_(simple) {}
  ~PulseStream() override { pa_simple_free(simple_); }

  long read(float* samples, std::size_t count) override {
    int error = 0;
    if (pa_simple_read(simple_, samples, count * sizeof(float), &error) < 0) return -1;
    return static_cast<long>(count);
  }
  int sampleRate() const override { return static_cast<int>(kRate); }

 private:
  pa_simple* simple_;
};

class PulseBackend : public CaptureBackend {
 public:
  std::string name() const override { return "pulse"; }

  bool available(std::string& whyNot) override {
    PulseQuery query;
    if (query.ready()) return true;
    whyNot = "no sound server answers (" + query.error() + ")";
    return false;
  }

  std::vector<AudioSourceInfo> sources() override {
    PulseQuery query;
    if (!query.ready()) return {};
    const std::string fallback = query.defaultSource();
    std::vector<AudioSourceInfo> list = query.inputs();
    std::string defaultDescription = fallback;
    for (const AudioSourceInfo& source : list) {
      if (source.id == fallback) defaultDescription = source.description;
    }
    list.insert(list.begin(), {"", defaultDescription});
    return list;
  }

  std::unique_ptr<CaptureStream> open(const std::string& source, std::string& error) override {
    // Checked first so that a missing server is never started by the simple API.
    if (PulseQuery query; !query.ready()) {
      error = "no sound server answers (" + query.error() + ")";
      return nullptr;
    }
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kRate, 1};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(kRate / 100 * sizeof(float));  // 10 ms
    int code = 0;
    pa_simple* simple =
        pa_simple_new(nullptr, "Strumly", PA_STREAM_RECORD, source.empty() ? nullptr : source.c_str(),
                      "Listen", &format, nullptr, &attr, &code);
    if (!simple) {
      error = "the sound server's input \"" + (source.empty() ? std::string("default") : source) +
              "\" cannot be opened (" + pa_strerror(code) + ")";
      return nullptr;
    }
    return std::make_unique<PulseStream>(simple);
  }
};

}  // namespace

std::unique_ptr<CaptureBackend> makePulseBackend() {
  return std::make_unique<PulseBackend>();
}

}  // namespace strumly
