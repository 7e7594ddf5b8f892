#include "platform/audio/CaptureInput.h"

namespace strumly {

CaptureInput::CaptureInput() {
  backends_.push_back(makePulseBackend());
  backends_.push_back(makeAlsaCaptureBackend());
}

CaptureInput::CaptureInput(std::vector<std::unique_ptr<CaptureBackend>> backends)
    : backends_(std::move(backends)) {}

CaptureInput::~CaptureInput() {
  stop();
}

CaptureBackend* CaptureInput::firstAvailable(std::string* whyNot) {
  std::string reasons;
  for (auto& backend : backends_) {
    std::string why;
    if (backend->available(why)) return backend.get();
    if (!reasons.empty()) reasons += "; ";
    reasons += why;
  }
  if (whyNot) *whyNot = reasons.empty() ? std::string("no audio input is built in") : reasons;
  return nullptr;
}

std::string CaptureInput::unavailableReason() {
  std::string why;
  if (firstAvailable(&why)) return {};
  return "No audio input: " + why + ".";
}

std::vector<AudioSourceInfo> CaptureInput::sources() {
  CaptureBackend* backend = firstAvailable(nullptr);
  if (!backend) return {};
  // The server (or the card) already decides what the default is; the others are named with
  // their back-end so a stored choice cannot be taken for another back-end's device.
  std::vector<AudioSourceInfo> list;
  for (AudioSourceInfo& source : backend->sources()) {
    if (source.id.empty()) {
      list.insert(list.begin(), {"", "System default (" + source.description + ")"});
    } else {
      list.push_back({backend->name() + ":" + source.id, source.description});
    }
  }
  if (list.empty() || !list.front().id.empty()) list.insert(list.begin(), {"", "System default"});
  return list;
}

bool CaptureInput::start(const std::string& sourceId, BlockHandler onBlock, LostHandler onLost) {
  stop();
  std::string why;
  CaptureBackend* backend = nullptr;
  std::string name;
  if (sourceId.empty()) {
    backend = firstAvailable(&why);
  } else {
    const auto colon = sourceId.find(':');
    const std::string prefix = sourceId.substr(0, colon);
    for (auto& candidate : backends_) {
      if (candidate->name() == prefix && colon != std::string::npos) backend = candidate.get();
    }
    // A named device is tried even when the back-end's default is missing: a card without a
    // default capture can still have the device the user chose.
    if (!backend)
      why = "the input \"" + sourceId + "\" is unknown";
    else
      name = sourceId.substr(colon + 1);
  }
  std::unique_ptr<CaptureStream> stream;
  if (backend) stream = backend->open(name, why);
  if (!stream) {
    std::lock_guard lock(errorMutex_);
    error_ = why.empty() ? std::string("the input could not be opened") : why;
    return false;
  }
  {
    std::lock_guard lock(errorMutex_);
    error_.clear();
  }
  rate_ = stream->sampleRate();
  quit_ = false;
  running_ = true;
  worker_ = std::thread(
      [this, s = std::move(stream), onBlock = std::move(onBlock), onLost = std::move(onLost)]() mutable {
        run(std::move(s), std::move(onBlock), std::move(onLost));
      });
  return true;
}

void CaptureInput::stop() {
  quit_ = true;
  if (worker_.joinable()) worker_.join();
  running_ = false;
}

std::string CaptureInput::error() const {
  std::lock_guard lock(errorMutex_);
  return error_;
}

void CaptureInput::run(std::unique_ptr<CaptureStream> stream, BlockHandler onBlock, LostHandler onLost) {
  std::vector<float> block(blockFrames(stream->sampleRate()));
  while (!quit_.load()) {
    const long got = stream->read(block.data(), block.size());
    if (got < 0) {
      // A device that went away is told once; the thread ends with it, so nothing repeats it.
      const std::string reason = "the audio input stopped delivering sound";
      {
        std::lock_guard lock(errorMutex_);
        error_ = reason;
      }
      running_ = false;
      if (!quit_.load() && onLost) onLost(reason);
      break;
    }
    if (got > 0 && onBlock) onBlock(block.data(), static_cast<std::size_t>(got));
  }
  stream.reset();
}

}  // namespace strumly
