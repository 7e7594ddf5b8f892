#include "gui/playback/Transport.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>
#include <algorithm>

#include "gui/common/DialogService.h"
#include "gui/common/Page.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/PagePlayer.h"

namespace strumly::gui {
namespace {

constexpr int kEmptyTempo = 100;

}  // namespace

Transport::Transport(ActivePage activePage, QObject* parent)
    : QObject(parent), activePage_(std::move(activePage)), tempoMicros_(tempoMicrosForBpm(kEmptyTempo)) {}

void Transport::bindOutput(MidiSession* midi, DialogService* dialogs, QWidget* dialogParent) {
  midi_ = midi;
  dialogs_ = dialogs;
  dialogParent_ = dialogParent;
}

int Transport::beatsPerMinute(std::uint32_t micros) {
  return micros == 0 ? kEmptyTempo : bpmForTempoMicros(micros);
}

void Transport::setTempoMicros(std::uint32_t micros) {
  tempoMicros_ = micros;
  Q_EMIT tempoShown(beatsPerMinute(micros));
}

void Transport::tempoChosen(std::uint32_t micros) {
  setTempoMicros(micros);
  markTempoEdited();
}

void Transport::tempoTyped(int beatsPerMinute) {
  tempoMicros_ = tempoMicrosForBpm(beatsPerMinute);
  Q_EMIT tempoShown(beatsPerMinute);
  markTempoEdited();
}

void Transport::markTempoEdited() {
  // Only a page whose document keeps a tempo in its file is modified by it.
  Page* page = activePage_ ? activePage_() : nullptr;
  PageDocument* document = page ? page->document() : nullptr;
  if (document && document->keepsTempo()) Q_EMIT tempoEdited(page->pageId());
}

void Transport::setLoop(bool on) {
  if (loop_ == on) return;
  loop_ = on;
  showState();
  Q_EMIT loopChanged(loop_);
}

int Transport::clampedTempoText(const QString& text) {
  if (text.trimmed().isEmpty()) return kEmptyTempo;
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? std::clamp(value, kMinTempoBpm, kMaxTempoBpm) : kEmptyTempo;
}

void Transport::showState() {
  Q_EMIT buttonsChanged();
}

void Transport::sbtnPlayClick() {
  // A click that would release Play changes nothing.
  if (playing_) {
    showState();
    return;
  }
  Q_EMIT playPressed();
  Page* page = activePage_ ? activePage_() : nullptr;
  PagePlayer* player = page ? page->player() : nullptr;
  playing_ = true;
  showState();
  if (!player || !player->play()) {
    // Nothing to play on this page now: Play comes back up at once.
    release();
    return;
  }
  running_ = player;
  Q_EMIT stateChanged();
}

bool Transport::mayPause() const {
  return playing_ && running_ && running_->canPause();
}

void Transport::sbtnPauseClick() {
  const bool down = !paused_;
  if (!mayPause()) {
    paused_ = false;
    showState();
    return;
  }
  paused_ = down;
  running_->pause(down);
  showState();
  Q_EMIT stateChanged();
}

void Transport::sbtnStopClick() {
  if (!playing_) {
    showState();
    return;
  }
  bool stopped = true;
  {
    const BusyCursor busy(*this);
    paused_ = false;
    if (running_) stopped = running_->stop();
  }
  chordSounding_ = false;
  if (stopped)
    release();
  else
    showState();
}

void Transport::release() {
  playing_ = false;
  paused_ = false;
  running_ = nullptr;
  singleChordMode_ = false;
  showState();
  Q_EMIT stateChanged();
}

void Transport::sbtnStepClick() {
  stepMode_ = !stepMode_;
  showState();
}

void Transport::sbtnLoopClick() {
  setLoop(!loop_);
}

void Transport::step(int direction) {
  if (running_ && playing_) running_->step(direction);
}

void Transport::playbackEnded() {
  if (playing_) release();
}

void Transport::midiMessage(quint32 message, quint32 param) {
  if (message == kMsgOutputLost) {
    outputLost(param);
    return;
  }
  // Late messages after a stop find no player and are dropped; the player's delayed clean-up
  // deals with what they would have shown.
  if (running_) running_->midiMessage(message, param);
}

void Transport::outputLost(std::uint32_t handle) {
  // A report about an output already replaced is old news.
  if (!midi_ || !midi_->isOutput(handle)) return;
  const QString lost = QString::fromStdString(midi_->outputName());
  const bool wasPlaying = playing_;
  if (wasPlaying) {
    {
      const BusyCursor busy(*this);
      paused_ = false;
      // A sounding step chord only lets go at the first Stop; nothing can sound now, so all ends.
      if (running_ && !running_->stop()) running_->stop();
    }
    chordSounding_ = false;
    release();
  }
  const QString now = QString::fromStdString(midi_->replaceLostOutput());
  if (!dialogs_) return;
  // Whole sentences, one line for what happened and one for what sounds now.
  const QString lostLine = wasPlaying
                               ? tr("The MIDI output device \"%1\" was lost. Playback stopped.").arg(lost)
                               : tr("The MIDI output device \"%1\" was lost.").arg(lost);
  const QString nowLine = now.isEmpty() ? tr("No other MIDI output device is available.")
                                        : tr("Play now sounds through \"%1\".").arg(now);
  const QString text = lostLine + '\n' + nowLine;
  dialogs_->notice(dialogParent_, text);
}

Transport::BusyCursor::BusyCursor(Transport& transport) : transport_(transport) {
  if (transport_.busy_++ == 0) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Q_EMIT transport_.stateChanged();
  }
}

Transport::BusyCursor::~BusyCursor() {
  if (--transport_.busy_ == 0) {
    QApplication::restoreOverrideCursor();
    Q_EMIT transport_.stateChanged();
  }
}

}  // namespace strumly::gui
