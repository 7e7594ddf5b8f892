#pragma once
// The one owner of playback state: Play, Pause, Stop, Step, Loop, Count Off and Click, the busy
// state, the tempo and the modes the players share (step mode, single-chord mode, a chord still
// sounding). The buttons show this state; they never are it: every click comes here, and a click
// that is not allowed puts its button back. Everyone who must know whether music plays asks
// `IsPlayingOrBusy`. The clock's messages arrive here and go to the player that is running.
#include <QObject>
#include <QPointer>
#include <cstdint>

#include "core/app/PageRules.h"
#include "core/midi/MidiEvent.h"
#include "gui/common/Command.h"

class QAbstractButton;
class QLineEdit;

namespace strumly::gui {

class DialogService;
class MidiSession;
class PageList;
class PagePlayer;
class UpDown;

class Transport : public QObject, public CommandGate {
  Q_OBJECT
 public:
  struct Buttons {
    QAbstractButton* play = nullptr;      // sbtnPlay
    QAbstractButton* pause = nullptr;     // sbtnPause
    QAbstractButton* stop = nullptr;      // sbtnStop
    QAbstractButton* step = nullptr;      // sbtnStep
    QAbstractButton* loop = nullptr;      // sbtnLoop
    QAbstractButton* countOff = nullptr;  // sbtnCount
    QAbstractButton* click = nullptr;     // sbtnClick
  };

  explicit Transport(PageList& pages, QObject* parent = nullptr);

  // The buttons follow the state from now on and their clicks come here.
  void bindButtons(const Buttons& buttons);
  // meditTempoMain and UpDownTempo; `focusHome` (sbStrumSpeed) takes the focus after Enter.
  void bindTempo(QLineEdit* edit, UpDown* upDown, QWidget* focusHome);
  // The session whose output may go away, and where the user is told when it does.
  void bindOutput(MidiSession* midi, DialogService* dialogs, QWidget* dialogParent);

  // Play or Pause down, or the busy cursor showing: pages do not change, nothing new starts and
  // the program does not close.
  bool IsPlayingOrBusy() const override { return playing_ || paused_ || busy_ > 0; }
  bool playing() const { return playing_; }
  bool paused() const { return paused_; }
  bool busy() const { return busy_ > 0; }
  bool stepMode() const { return stepMode_; }
  bool loop() const { return loop_; }
  bool countOff() const { return countOff_; }
  bool click() const { return click_; }
  bool singleChordMode() const { return singleChordMode_; }
  void setSingleChordMode(bool on) { singleChordMode_ = on; }
  bool chordSounding() const { return chordSounding_; }
  void setChordSounding(bool on) { chordSounding_ = on; }
  std::uint32_t tempoMicros() const { return tempoMicros_; }
  // A file's tempo: the edit and up-down show it.
  void setTempoMicros(std::uint32_t micros);
  // The tempo dialog's choice: shown like a file's, and it marks the active page's document as a
  // typed tempo does.
  void tempoChosen(std::uint32_t micros);
  // A file's Loop Play: the button shows it and the loop markers follow.
  void setLoop(bool on);
  static int beatsPerMinute(std::uint32_t micros);

  void sbtnPlayClick();
  void sbtnPauseClick();
  void sbtnStopClick();
  void sbtnStepClick();
  void sbtnLoopClick();
  // Space/Right while playing in step mode, or Left: one step of the running player.
  void step(int direction);
  // The running player ended by itself (all played): Play is released.
  void playbackEnded();
  // A message of the MIDI library, on the interface thread.
  void midiMessage(quint32 message, quint32 param);
  // The output device went away: playback stops, Play comes up, the session falls back to a
  // device that plays and the user is told which was lost.
  void outputLost(std::uint32_t handle);

  // The tempo edit was left: empty is 100, the value is clamped to 10..250.
  void meditTempoMainExit();
  void UpDownTempoMouseUp();
  static int clampedTempoText(const QString& text);

  // Shows the busy cursor and counts as busy while it lives.
  class BusyCursor {
   public:
    explicit BusyCursor(Transport& transport);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

   private:
    Transport& transport_;
  };

 Q_SIGNALS:
  // Play, Pause or the busy state changed: menus and tempo controls follow.
  void stateChanged();
  // Play was pressed and is about to ask the page (told before anything sounds).
  void playPressed();
  // Loop went down or up: the play page shows or hides its loop markers.
  void loopChanged(bool on);
  // The user set a tempo: the active page's document is modified.
  void tempoEdited(strumly::PageId page);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void release();
  void showState();
  bool mayPause() const;
  void tempoSet(int beatsPerMinute);
  void markTempoEdited();

  PageList& pages_;
  Buttons buttons_;
  QPointer<QLineEdit> tempoEdit_;
  const QObject* tempoEditObject_ = nullptr;  // compared only, never used: see eventFilter
  QPointer<UpDown> tempoUpDown_;
  QPointer<QWidget> focusHome_;
  MidiSession* midi_ = nullptr;
  DialogService* dialogs_ = nullptr;
  QPointer<QWidget> dialogParent_;
  PagePlayer* running_ = nullptr;
  bool playing_ = false;
  bool paused_ = false;
  int busy_ = 0;
  bool stepMode_ = false;
  bool loop_ = false;
  bool countOff_ = false;
  bool click_ = false;
  bool singleChordMode_ = false;
  bool chordSounding_ = false;
  std::uint32_t tempoMicros_ = kDefaultTempoMicros;
};

}  // namespace strumly::gui
