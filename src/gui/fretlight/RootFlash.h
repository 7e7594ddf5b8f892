#pragma once
// The guitar's flashing: the root notes of the fretboard blink while "Show Fretlight Rootnote"
// is down (`timerRootFlash`), and with "Flash the Note that is Playing" the note a single chord
// or scale has just started blinks while it plays (`timerUserFlashingNote`). Playback stops the
// root flash and its end starts it again when the button is down.
#include <QObject>
#include <QTimer>

class QAbstractButton;

namespace strumly {
struct AppSettings;
}

namespace strumly::gui {

class FretlightLink;
class PageList;
class PlaybackContext;
class Transport;

class RootFlash : public QObject {
  Q_OBJECT
 public:
  static constexpr int kNoteFlashMs = 50;

  RootFlash(FretlightLink& link, QAbstractButton* sbtnRootFlash, Transport& transport, PageList& pages,
            const PlaybackContext& playback, const AppSettings& settings, QObject* parent = nullptr);

  // The button's command (refused while playing or busy by the shell's gate, which puts the
  // button back): the flashing starts, and a tick with the button up ends it.
  void sbtnRootFlashClick();
  void timerRootFlashTimer();
  void timerUserFlashingNoteTimer();
  // The period of one blink: the preferences' slider sets it at once.
  void setPeriod(int milliseconds) { timerRootFlash_.setInterval(milliseconds); }
  int period() const { return timerRootFlash_.interval(); }
  bool running() const { return timerRootFlash_.isActive(); }
  void start() { timerRootFlash_.start(); }
  void stop() { timerRootFlash_.stop(); }
  bool noteFlashing() const { return timerUserFlashingNote_.isActive(); }

 private:
  void transportChanged();

  FretlightLink& link_;
  QAbstractButton* sbtnRootFlash_;
  Transport& transport_;
  PageList& pages_;
  const PlaybackContext& playback_;
  const AppSettings& settings_;
  QTimer timerRootFlash_;
  QTimer timerUserFlashingNote_;
  bool wasPlaying_ = false;
  bool noteInverted_ = false;
};

}  // namespace strumly::gui
