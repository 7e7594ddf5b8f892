#pragma once
// Play on the PlayPage: the song from the play start, with count-off, click, bass, strum,
// repeats and the loop, refilled as the queue empties; the beat cursor follows the beats and the
// fretboard shows each note as it sounds. Stop halts at once and cleans up again half a second
// later for events that arrive late. "Play Chord" from the page's popup plays one chord instead.
// With the speed trainer the tempo edit shows each pass's tempo; the page's tempo comes back at
// the end, and the song is not touched.
#include <QTimer>
#include <optional>

#include "core/pages/DiagramRecords.h"
#include "core/playback/PlayPageSequencer.h"
#include "gui/playback/PagePlayer.h"

class QScrollArea;

namespace strumly {
class PlayPageModel;
}

namespace strumly::gui {

class PageImage;
class PlaybackContext;
class PlayPageCanvas;
class PlayPageScoring;

class PlayPagePlayback : public PagePlayer {
 public:
  PlayPagePlayback(PlayPageModel& model, PlayPageCanvas& canvas, PageImage& image, QScrollArea& scroll,
                   PlaybackContext& context);

  // The next Play plays this chord alone (pmenu4PlayChordClick).
  void playChordNext(const ChordDiagram& chord) { singleChord_ = chord; }
  // With Listen down, each Play of the song is a take this judges (not step play or one chord).
  void setScoring(PlayPageScoring* scoring) { scoring_ = scoring; }

  bool play() override;
  bool canPause() const override { return true; }
  void pause(bool down) override;
  bool stop() override;
  void step(int direction) override;
  void midiMessage(std::uint32_t message, std::uint32_t param) override;

 private:
  void moveBeatCursor(int index);
  void cleanUp();
  void ended();
  void restorePageTempo();
  void endTake(bool cutShort);

  PlayPageModel& model_;
  PlayPageCanvas& canvas_;
  PageImage& image_;
  QScrollArea& scroll_;
  PlaybackContext& context_;
  PlayPageSequencer sequencer_;
  std::optional<ChordDiagram> singleChord_;
  PlayPageScoring* scoring_ = nullptr;
  bool scored_ = false;  // this run is a take
  QTimer timerDelayAfterStop_;
  int beatCursorIndex_ = 0;  // where the next beat message puts the cursor
  int shownBeat_ = -1;       // where REDSLASH stands now
  int beatsCounted_ = 0;
  // While the speed trainer drives the tempo edit: the page's own tempo, put back at the end.
  std::optional<std::uint32_t> pageTempo_;
};

}  // namespace strumly::gui
