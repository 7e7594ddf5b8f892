#include "gui/listen/AudioFeed.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gui/common/CoreText.h"

namespace strumly::gui {

AudioFeed::AudioFeed(AudioInput* input, QObject* parent) : QObject(parent), input_(input) {}

AudioFeed::~AudioFeed() {
  if (input_) input_->stop();
}

void AudioFeed::probe() {
  if (!input_) {
    reason_ = tr("No audio input.");  // a program built without one (tests): nothing to tell
    return;
  }
  const std::string reason = input_->unavailableReason();
  reason_ = coreText(reason);
  // Start-up goes on: the listen controls stay off and their tooltips repeat this.
  if (!reason.empty()) std::fprintf(stderr, "strumly: %s Listen and the tuner are off.\n", reason.c_str());
}

std::vector<AudioSourceInfo> AudioFeed::sources() const {
  return input_ && available() ? input_->sources() : std::vector<AudioSourceInfo>{};
}

int AudioFeed::sampleRate() const {
  return input_ ? input_->sampleRate() : 48000;
}

bool AudioFeed::start(QObject* holder, const std::string& sourceId, Samples onSamples) {
  QObject* previous = holder_;
  endCapture();
  // The same holder only changes source; another one takes the feed over.
  if (previous && previous != holder) Q_EMIT stopped(previous, {});
  if (!input_ || !available()) {
    error_ = reason_.isEmpty() ? tr("No audio input.") : reason_;
    return false;
  }
  const auto onBlock = [this](const float* samples, std::size_t count) {
    std::lock_guard lock(mutex_);
    pending_.emplace_back(samples, samples + count);
    if (wakePosted_) return;
    wakePosted_ = true;
    QMetaObject::invokeMethod(this, &AudioFeed::drain, Qt::QueuedConnection);
  };
  const auto onLost = [this](const std::string& reason) {
    QMetaObject::invokeMethod(
        this, [this, why = coreText(reason)] { deviceLost(why); }, Qt::QueuedConnection);
  };
  if (!input_->start(sourceId, onBlock, onLost)) {
    error_ = coreText(input_->error());
    return false;
  }
  error_.clear();
  holder_ = holder;
  onSamples_ = std::move(onSamples);
  return true;
}

void AudioFeed::stop(QObject* holder) {
  if (!holder_ || (holder && holder != holder_)) return;
  QObject* was = holder_;
  endCapture();
  Q_EMIT stopped(was, {});
}

void AudioFeed::endCapture() {
  if (!holder_) return;
  input_->stop();
  holder_ = nullptr;
  onSamples_ = nullptr;
  {
    std::lock_guard lock(mutex_);
    pending_.clear();
    wakePosted_ = false;
  }
  Q_EMIT levelChanged(0);
}

void AudioFeed::drain() {
  std::deque<std::vector<float>> blocks;
  {
    std::lock_guard lock(mutex_);
    blocks.swap(pending_);
    wakePosted_ = false;
  }
  if (!holder_ || blocks.empty()) return;
  float peak = 0;
  for (const std::vector<float>& block : blocks) {
    for (float s : block) peak = std::max(peak, std::fabs(s));
  }
  Q_EMIT levelChanged(std::min(1.0f, peak));
  for (const std::vector<float>& block : blocks) {
    if (!holder_) break;  // a holder may stop listening part way
    onSamples_(block.data(), block.size());
  }
}

void AudioFeed::deviceLost(const QString& reason) {
  if (!holder_) return;  // already stopped: the report is old news
  drain();
  QObject* was = holder_;
  endCapture();
  error_ = reason;
  Q_EMIT stopped(was, reason);
}

}  // namespace strumly::gui
