#include "gui/playback/Transport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "gui/common/DialogService.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/PagePlayer.h"

namespace strumly::gui {
namespace {

constexpr int kEmptyTempo = 100;

void show(QAbstractButton* button, bool down) {
  if (!button || button->isChecked() == down) return;
  const QSignalBlocker block(button);
  button->setChecked(down);
}

}  // namespace

Transport::Transport(PageList& pages, QObject* parent)
    : QObject(parent), pages_(pages), tempoMicros_(tempoMicrosForBpm(kEmptyTempo)) {}

void Transport::bindButtons(const Buttons& buttons) {
  buttons_ = buttons;
  const auto bind = [this](QAbstractButton* button, void (Transport::*handler)()) {
    if (button) connect(button, &QAbstractButton::clicked, this, handler);
  };
  bind(buttons_.play, &Transport::sbtnPlayClick);
  bind(buttons_.pause, &Transport::sbtnPauseClick);
  bind(buttons_.stop, &Transport::sbtnStopClick);
  bind(buttons_.step, &Transport::sbtnStepClick);
  bind(buttons_.loop, &Transport::sbtnLoopClick);
  // Count Off and Click are read by the sequencer when it builds the next measure; any time is fine.
  if (buttons_.countOff)
    connect(buttons_.countOff, &QAbstractButton::toggled, this, [this](bool on) { countOff_ = on; });
  if (buttons_.click)
    connect(buttons_.click, &QAbstractButton::toggled, this, [this](bool on) { click_ = on; });
  showState();
}

void Transport::bindTempo(QLineEdit* edit, UpDown* upDown, QWidget* focusHome) {
  tempoEdit_ = edit;
  tempoEditObject_ = edit;
  tempoUpDown_ = upDown;
  focusHome_ = focusHome;
  if (edit) edit->installEventFilter(this);
  if (upDown) {
    // Stepping only shows the new value; the release takes it over.
    connect(upDown, &UpDown::clicked, this, [this](int position) {
      if (tempoEdit_) tempoEdit_->setText(QString::number(position));
    });
    connect(upDown, &UpDown::mouseReleased, this, &Transport::UpDownTempoMouseUp);
  }
  setTempoMicros(tempoMicros_);
}

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
  const int bpm = beatsPerMinute(micros);
  if (tempoEdit_) tempoEdit_->setText(QString::number(bpm));
  if (tempoUpDown_) tempoUpDown_->setPosition(bpm);
}

void Transport::tempoChosen(std::uint32_t micros) {
  setTempoMicros(micros);
  markTempoEdited();
}

void Transport::markTempoEdited() {
  // Only the play page and the tab page keep a tempo in their files.
  if (const auto page = pages_.currentId())
    if (*page == PageId::PlayPage || *page == PageId::Tablature) Q_EMIT tempoEdited(*page);
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

void Transport::tempoSet(int beatsPerMinute) {
  tempoMicros_ = tempoMicrosForBpm(beatsPerMinute);
  markTempoEdited();
}

void Transport::meditTempoMainExit() {
  if (!tempoEdit_) return;
  const int bpm = clampedTempoText(tempoEdit_->text());
  tempoEdit_->setText(QString::number(bpm));
  if (tempoUpDown_) tempoUpDown_->setPosition(bpm);
  tempoSet(bpm);
}

void Transport::UpDownTempoMouseUp() {
  if (!tempoUpDown_) return;
  const int bpm = tempoUpDown_->position();
  if (tempoEdit_) tempoEdit_->setText(QString::number(bpm));
  tempoSet(bpm);
}

bool Transport::eventFilter(QObject* watched, QEvent* event) {
  // A widget being destroyed is no longer a line edit: only the live tempo edit is looked at.
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || watched != tempoEditObject_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      // Queued: a mouse press that gave the focus would otherwise undo the selection.
      QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
      break;
    case QEvent::FocusOut:
      meditTempoMainExit();
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focusHome_) {
        focusHome_->setFocus();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return false;
}

void Transport::showState() {
  show(buttons_.play, playing_);
  show(buttons_.pause, paused_);
  show(buttons_.stop, false);
  show(buttons_.step, stepMode_);
  show(buttons_.loop, loop_);
  if (buttons_.countOff) countOff_ = buttons_.countOff->isChecked();
  if (buttons_.click) click_ = buttons_.click->isChecked();
  const bool idle = !playing_ && !paused_;
  if (tempoEdit_) tempoEdit_->setEnabled(idle);
  if (tempoUpDown_) tempoUpDown_->setEnabled(idle);
}

void Transport::sbtnPlayClick() {
  // A click that would release Play, or one while busy, changes nothing.
  if (playing_ || busy()) {
    showState();
    return;
  }
  Q_EMIT playPressed();
  Page* page = pages_.current();
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
  const auto page = pages_.currentId();
  return playing_ && running_ &&
         (page == PageId::PlayPage || page == PageId::Scales || page == PageId::Tablature);
}

void Transport::sbtnPauseClick() {
  const bool down = buttons_.pause ? buttons_.pause->isChecked() : !paused_;
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
  const bool down = buttons_.step ? buttons_.step->isChecked() : !stepMode_;
  if (!IsPlayingOrBusy()) stepMode_ = down;
  showState();
}

void Transport::sbtnLoopClick() {
  const bool down = buttons_.loop ? buttons_.loop->isChecked() : !loop_;
  if (IsPlayingOrBusy() || down == loop_) {
    showState();
    return;
  }
  loop_ = down;
  showState();
  Q_EMIT loopChanged(loop_);
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
  QString text = QString("The MIDI output device \"%1\" was lost.").arg(lost);
  if (wasPlaying) text += " Playback stopped.";
  text += now.isEmpty() ? QString("\nNo other MIDI output device is available.")
                        : QString("\nPlay now sounds through \"%1\".").arg(now);
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
