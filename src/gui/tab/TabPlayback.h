#pragma once
// Play on the Tablature page: the converted page column by column between the markers, refilled
// as the queue empties, or one column with a note per step key in step play. The play cursor
// follows the columns as they sound and the fretboard shows each note; with Show Arpeggio down
// every note of the range is outlined on the neck first. The LED guitar follows the play cursor
// (see TabLeds). Stop halts at once and cleans up again half a second later for events that
// arrive late.
#include <QObject>
#include <QTimer>
#include <functional>

#include "core/tab/TabLeds.h"
#include "core/tab/TabPlayer.h"
#include "gui/playback/PagePlayer.h"

class QAbstractButton;

namespace strumly::gui {

class FretboardView;
class PlaybackContext;
class TabControls;
class TabPageView;
class TuningControls;
struct TabPageState;

struct TabPlaybackParts {
  const TabPageState& state;
  TabPageView& view;
  TabControls& controls;
  PlaybackContext& context;
  const TuningControls& tuning;
  FretboardView* neck = nullptr;            // may be null
  QAbstractButton* showArpeggio = nullptr;  // sbShowArp; may be null
};

class TabPlayback : public PagePlayer {
 public:
  // `convertedShown` tells whether the converted view is the one on show (Play plays only then).
  TabPlayback(const TabPlaybackParts& parts, std::function<bool()> convertedShown);

  bool play() override;
  bool canPause() const override { return true; }
  void pause(bool down) override;
  bool stop() override;
  void step(int direction) override;
  void midiMessage(std::uint32_t message, std::uint32_t param) override;

  const TabPlayer& tabPlayer() const { return player_; }

 private:
  TabPlayerOptions options() const;
  void showTabArpeggio();
  bool arpeggioDown() const;
  void cursorEvent(std::uint32_t param);
  void fretMarker(std::uint32_t param);
  void startStepFlashing();
  void timerUserFlashingNoteTimer();
  void cleanUp();
  void ended();

  TabPlaybackParts parts_;
  std::function<bool()> convertedShown_;
  TabPlayer player_;
  QTimer timerDelayAfterStop_;
  QTimer timerUserFlashingNote_;
  TabLeds leds_;
  bool arpeggioShown_ = false;
};

}  // namespace strumly::gui
