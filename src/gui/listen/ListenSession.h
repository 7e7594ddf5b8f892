#pragma once
// Listen's ear: while on, it feeds the audio input to the chord listener (strums, each also
// judged against the target chord the page shows) or the note listener (single notes) and
// reports what they heard. It never sends MIDI. It ends when told,
// when another holder takes the input, or once when the device goes away.
#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "core/app/AppSettings.h"
#include "core/listen/HeardEvents.h"
#include "core/practice/ChordCheckListener.h"

namespace strumly {
class NoteListener;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;

class ListenSession : public QObject {
  Q_OBJECT
 public:
  enum class Ear { Chords, Notes };
  ListenSession(AudioFeed& audio, const AppSettings& settings, QObject* parent = nullptr);
  ~ListenSession() override;

  // False, with the reason in `error()`, when the input cannot start.
  bool start(Ear ear);
  void stop();
  bool listening() const;
  QString error() const;
  // The chord strums are judged against, asked for as the input arrives (all 0: none).
  using TargetSource = std::function<std::array<PitchNumber, kStringCount>()>;
  void setTargetSource(TargetSource source) { target_ = std::move(source); }

 Q_SIGNALS:
  void chordHeard(const strumly::CheckedStrum& strum);
  void noteHeard(const strumly::HeardNote& note);
  // Listening ended by anything but `stop()`: the input taken over or lost (`lostReason` set).
  void ended(const QString& lostReason);

 private:
  void samples(const float* s, std::size_t n);

  AudioFeed& audio_;
  const AppSettings& settings_;
  std::unique_ptr<ChordCheckListener> chords_;
  TargetSource target_;
  std::unique_ptr<NoteListener> notes_;
  bool stopping_ = false;  // inside stop(): the end it asked for is not reported
};

}  // namespace strumly::gui
