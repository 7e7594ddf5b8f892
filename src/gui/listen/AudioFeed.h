#pragma once
// The one way to the audio input on the interface thread. The capture thread only queues its
// blocks and wakes this object, which hands them, in order, to whoever holds the feed now: the
// level meter of the preferences, the tuner or Listen on a page. One holder at a time; a new one
// takes the feed over and the old one hears `stopped`, with the reason when the device went away. Whether
// there is an input at all is asked once at start-up, told once on the terminal, and answers the listen
// controls' tooltips.
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/audio/AudioInput.h"

namespace strumly::gui {

class AudioFeed : public QObject {
  Q_OBJECT
 public:
  using Samples = std::function<void(const float* samples, std::size_t count)>;

  // `input`: none means a program without listening (every start fails).
  explicit AudioFeed(AudioInput* input, QObject* parent = nullptr);
  ~AudioFeed() override;

  // Looks for an input; when there is none, says so on the terminal, once a run.
  void probe();
  bool available() const { return reason_.isEmpty(); }
  // Why the listen controls are off; empty when there is an input.
  QString unavailableReason() const { return reason_; }
  std::vector<AudioSourceInfo> sources() const;

  // Starts capturing from `sourceId` for `holder` (the one `stopped` names), the blocks going to
  // `onSamples` on this thread. False, with the reason in `error()`, when it cannot start.
  bool start(QObject* holder, const std::string& sourceId, Samples onSamples);
  // Ends the capture if `holder` holds it (any holder when null).
  void stop(QObject* holder = nullptr);
  QObject* holder() const { return holder_; }
  int sampleRate() const;
  QString error() const { return error_; }

 Q_SIGNALS:
  // `holder` lost the feed: stopped, taken over or, with `lostReason` set (once per start), the
  // device went away.
  void stopped(QObject* holder, const QString& lostReason);
  // The peak of the latest blocks, 0..1 of full scale.
  void levelChanged(double peak);

 private:
  void drain();
  void endCapture();
  void deviceLost(const QString& reason);

  AudioInput* input_;
  QString reason_;
  QString error_;
  QObject* holder_ = nullptr;
  Samples onSamples_;
  // Filled by the capture thread, emptied here.
  std::mutex mutex_;
  std::deque<std::vector<float>> pending_;
  bool wakePosted_ = false;
};

}  // namespace strumly::gui
