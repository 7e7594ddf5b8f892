#pragma once
// "Calibrate Latency": measures how much later than its beat the input hears a strum played on
// it. The dialog plays eight clicks a second apart through the MIDI output; the student listens
// to four and strums a chord on each of the next four. The strums' onsets (as the chord listener
// hears them) are taken against the clicks' times in the input's own sample count, and the
// median offset is offered; "Use" hands it to the Preferences' latency box.
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/app/AppSettings.h"

class QLabel;
class QPushButton;

namespace strumly {
class SequenceSink;
class StrumOnsets;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;

class TdlgCalibrate : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kClicks = 8;          // the first half to listen to, the second to strum on
  static constexpr int kClickMs = 1000;      // 60 beats per minute: room for any latency either way
  static constexpr int kAfterLastMs = 1000;  // the last strum's window and its analysis

  // `settings`: the input to hear and the click to play. `sink`: where the clicks go now (none: no
  // MIDI output, nothing to strum on).
  TdlgCalibrate(AudioFeed& audio, AppSettings settings, std::function<SequenceSink*()> sink,
                QWidget* parent = nullptr);
  ~TdlgCalibrate() override;

  // Start: the clicks play and the input is heard until the last strum's window has passed.
  void btnStartClick();
  bool measuring() const { return onsets_ != nullptr; }
  // The median offset of the last run, whole milliseconds; none before one succeeded.
  std::optional<int> measuredMs() const { return measured_; }

 Q_SIGNALS:
  void measuredChanged();

 private:
  void samples(const float* s, std::size_t n);
  void finish();
  void endRun();

  AudioFeed& audio_;
  AppSettings settings_;
  std::function<SequenceSink*()> sink_;
  QLabel* lblSteps_;
  QLabel* lblResult_;
  QPushButton* btnStart_;
  QPushButton* btnUse_;
  std::unique_ptr<StrumOnsets> onsets_;
  SequenceSink* playing_ = nullptr;
  std::int64_t heard_ = 0;        // samples since the run started
  std::int64_t startSample_ = 0;  // the first click's place in them
  double rate_ = 44100;
  std::optional<int> measured_;
};

}  // namespace strumly::gui
