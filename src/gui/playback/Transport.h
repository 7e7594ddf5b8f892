#pragma once
// The one owner of playback state: Play, Pause, Stop, Step, Loop, Count Off and Click, the busy
// state, the tempo and the modes the players share (step mode, single-chord mode, a chord still
// sounding). It knows no page and no widget: the page in front comes from `ActivePage` and tells
// through the page contract what it plays, whether it pauses and whether it keeps a tempo; the
// tool panel shows this state from the signals and sends its clicks here through the shell's
// commands, whose gate refuses what may not start while playing or busy. The clock's messages
// arrive here and go to the player that is running.
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>

#include "core/app/PageRules.h"
#include "core/midi/MidiEvent.h"
#include "gui/common/Command.h"

class QWidget;

namespace strumly::gui {

class DialogService;
class MidiSession;
class Page;
class PagePlayer;

class Transport : public QObject, public CommandGate {
  Q_OBJECT
 public:
  // The page in front now; null while there is none.
  using ActivePage = std::function<Page*()>;

  explicit Transport(ActivePage activePage, QObject* parent = nullptr);

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
  // Count Off and Click are read by the sequencer when it builds the next measure; any time is fine.
  void setCountOff(bool on) { countOff_ = on; }
  void setClick(bool on) { click_ = on; }
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
  // The user typed or stepped to this tempo (already clamped): it marks the active page's document.
  void tempoTyped(int beatsPerMinute);
  // A file's Loop Play: the button shows it and the loop markers follow.
  void setLoop(bool on);
  static int beatsPerMinute(std::uint32_t micros);

  // The transport's commands. Those refused while playing or busy are refused by the shell's
  // command gate before they get here; Pause, Step and Loop toggle their state.
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

  // The tempo edit's text as a tempo: empty is 100, the value is clamped to 10..250.
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
  // The user set a tempo: the active page's document, which keeps a tempo, is modified.
  void tempoEdited(strumly::PageId page);
  // Play, Pause, Step or Loop now stand as their getters say, also after a click that changed
  // nothing: the buttons show it.
  void buttonsChanged();
  // The tempo to show in the edit and the up-down (a file's, the dialog's, a clamped entry).
  void tempoShown(int beatsPerMinute);

 private:
  void release();
  void showState();
  bool mayPause() const;
  void markTempoEdited();

  ActivePage activePage_;
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
