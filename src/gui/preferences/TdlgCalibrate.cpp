#include "gui/preferences/TdlgCalibrate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "core/playback/ChordPlayer.h"
#include "core/playback/SequenceSink.h"
#include "core/practice/LiveScoring.h"
#include "gui/listen/AudioFeed.h"

namespace strumly::gui {
namespace {

// The input runs this long before the first click, so its sample count has settled to the pace
// of the sound (a capture that has just started may still be catching up).
constexpr int kSettleMs = 1000;

}  // namespace

TdlgCalibrate::TdlgCalibrate(AudioFeed& audio, AppSettings settings, std::function<SequenceSink*()> sink,
                             QWidget* parent)
    : QDialog(parent),
      audio_(audio),
      settings_(std::move(settings)),
      sink_(std::move(sink)),
      lblSteps_(new QLabel(tr("Press Start and listen to four clicks, then strum a chord on each of the "
                              "next four, as you would play along with a song."))),
      lblResult_(new QLabel),
      btnStart_(new QPushButton(tr("Start"))),
      btnUse_(new QPushButton(tr("Use"))) {
  setObjectName("dlgCalibrate");
  setWindowTitle(tr("Calibrate Latency"));
  lblSteps_->setWordWrap(true);
  lblResult_->setObjectName("lblCalibrateResult");
  lblResult_->setWordWrap(true);
  btnStart_->setObjectName("btnCalibrateStart");
  btnUse_->setObjectName("btnCalibrateUse");
  btnUse_->setEnabled(false);
  auto* cancel = new QPushButton(tr("Cancel"));
  cancel->setObjectName("btnCalibrateCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnStart_);
  buttons->addStretch();
  buttons->addWidget(btnUse_);
  buttons->addWidget(cancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(lblSteps_);
  column->addWidget(lblResult_);
  column->addLayout(buttons);
  setMinimumWidth(360);
  connect(btnStart_, &QPushButton::clicked, this, &TdlgCalibrate::btnStartClick);
  connect(btnUse_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(&audio_, &AudioFeed::stopped, this, [this](QObject* holder, const QString& lostReason) {
    if (holder != this || !measuring()) return;
    endRun();
    lblResult_->setText(lostReason.isEmpty() ? tr("Listening stopped before the last strum.")
                                             : tr("The audio input was lost (%1).").arg(lostReason));
  });
  // However the dialog closes, the clicks stop and the input is let go.
  connect(this, &QDialog::finished, this, [this] {
    endRun();
    audio_.stop(this);
  });
}

TdlgCalibrate::~TdlgCalibrate() {
  endRun();
  audio_.stop(this);
}

void TdlgCalibrate::btnStartClick() {
  if (measuring()) return;
  if (!sink_ || !sink_()) {
    lblResult_->setText(tr("No MIDI output is open to play the click."));
    return;
  }
  heard_ = 0;
  startSample_ = -1;
  if (!audio_.start(this, settings_.listen.input, [this](const float* s, std::size_t n) { samples(s, n); })) {
    lblResult_->setText(audio_.error());
    return;
  }
  rate_ = audio_.sampleRate();
  onsets_ = std::make_unique<StrumOnsets>(rate_, settings_.listen.clampedA4());
  btnStart_->setEnabled(false);
  lblResult_->setText(tr("Listen to the first four clicks..."));
}

void TdlgCalibrate::samples(const float* s, std::size_t n) {
  if (!onsets_) return;
  onsets_->feed(s, n);
  heard_ += static_cast<std::int64_t>(n);
  const auto at = [this](double ms) { return static_cast<std::int64_t>(std::llround(ms * rate_ / 1000.0)); };
  if (startSample_ < 0 && heard_ >= at(kSettleMs)) {
    SequenceSink* sink = sink_ ? sink_() : nullptr;
    if (!sink) {
      endRun();
      lblResult_->setText(tr("No MIDI output is open to play the click."));
      return;
    }
    const MidiSettings& midi = settings_.midi;
    sink->stop();
    sink->setTempo(static_cast<std::uint32_t>(kClickMs) * 1000);
    TimedQueue q{*sink};
    q.put(channelEvent(0xC0, midi.clickChannel, 0, 0));
    for (int k = 0; k < kClicks; ++k) {
      q.time = k == 0 ? 0 : kTicksPerBeat - kTicksPerBeat / 4;
      q.put(channelEvent(0x90, midi.clickChannel, midi.clickNote,
                         k % 4 == 0 ? accentVelocity(midi.clickVolume) : midi.clickVolume));
      q.time = kTicksPerBeat / 4;
      q.put(channelEvent(0x80, midi.clickChannel, midi.clickNote, 0));
    }
    sink->start();
    playing_ = sink;
    startSample_ = heard_;
    return;
  }
  if (startSample_ >= 0 && heard_ - startSample_ >= at(kClicks * kClickMs) - at(kClickMs * 4) &&
      heard_ - startSample_ < at(kClicks * kClickMs))
    lblResult_->setText(tr("Strum on each click now."));
  if (startSample_ >= 0 && heard_ - startSample_ >= at((kClicks - 1) * kClickMs + kAfterLastMs)) finish();
}

void TdlgCalibrate::finish() {
  onsets_->finish();
  std::vector<double> clicks;
  const double startMs = static_cast<double>(startSample_) * 1000.0 / rate_;
  for (int k = kClicks / 2; k < kClicks; ++k) clicks.push_back(startMs + k * kClickMs);
  const LatencyMeasurement measured = medianLatency(clicks, onsets_->onsetsMs());
  endRun();
  audio_.stop(this);
  if (!measured.ms) {
    lblResult_->setText(tr("Only %1 of the four strums were heard near a click. Press Start to try again.")
                            .arg(measured.strums));
    return;
  }
  measured_ = static_cast<int>(std::lround(*measured.ms));
  lblResult_->setText(*measured_ >= 0
                          ? tr("Your strums were heard %1 ms after the clicks.").arg(*measured_)
                          : tr("Your strums were heard %1 ms before the clicks.").arg(-*measured_));
  btnUse_->setEnabled(true);
  btnUse_->setDefault(true);
  Q_EMIT measuredChanged();
}

void TdlgCalibrate::endRun() {
  if (playing_) playing_->stop();
  playing_ = nullptr;
  onsets_.reset();
  btnStart_->setEnabled(true);
}

}  // namespace strumly::gui
