#include "gui/tab/TabPlayback.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QSlider>

#include "core/midi/MidiEvent.h"
#include "core/views/FretboardGeometry.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playback/Transport.h"
#include "gui/tab/TabControls.h"
#include "gui/tab/TabPageState.h"
#include "gui/tab/TabPageView.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"

namespace strumly::gui {

namespace {
constexpr int kTabNoteFlashMs = 50;
}  // namespace

TabPlayback::TabPlayback(const TabPlaybackParts& parts, std::function<bool()> convertedShown)
    : parts_(parts), convertedShown_(std::move(convertedShown)) {
  timerDelayAfterStop_.setSingleShot(true);
  timerDelayAfterStop_.setInterval(500);
  QObject::connect(&timerDelayAfterStop_, &QTimer::timeout, &parts_.view, [this] { cleanUp(); });
  timerUserFlashingNote_.setInterval(kTabNoteFlashMs);
  QObject::connect(&timerUserFlashingNote_, &QTimer::timeout, &parts_.view,
                   [this] { timerUserFlashingNoteTimer(); });
}

TabPlayerOptions TabPlayback::options() const {
  Transport& transport = parts_.context.transport();
  const TabControls& c = parts_.controls;
  TabPlayerOptions o;
  o.midi = parts_.context.settings(false).midi;
  o.tuning = parts_.tuning.tuning();
  o.tempoMicros = transport.tempoMicros();
  o.sustain = c.trkbarTabSustain->value();
  o.sliceTime = c.trkbarSliceTime->value();
  o.loop = transport.loop();
  o.stepMode = transport.stepMode();
  o.playOnFirstDigit = c.cbUserTabPlay1stChar->isChecked();
  o.doubleDigitTempoAdjust = c.cbUserTabTimeAdjust->isChecked();
  return o;
}

bool TabPlayback::play() {
  if (!convertedShown_() || !parts_.state.hasPage) return false;
  SequenceSink* sink = parts_.context.sink();
  if (!sink) return false;
  timerDelayAfterStop_.stop();
  cleanUp();
  parts_.controls.setEnabled(false);
  if (!player_.start(parts_.state.converted, parts_.state.markers, options(), *sink)) {
    // Step play over a range without a note: nothing to play.
    player_.stop();
    parts_.controls.setEnabled(true);
    return false;
  }
  leds_.reset();
  if (arpeggioDown()) showTabArpeggio();
  startStepFlashing();
  return true;
}

bool TabPlayback::arpeggioDown() const {
  return parts_.showArpeggio && parts_.showArpeggio->isChecked();
}

void TabPlayback::showTabArpeggio() {
  if (!player_.active()) return;
  const TabArpeggio notes = player_.arpeggio();
  if (parts_.neck) {
    Fretboard& fretboard = parts_.context.fretboard();
    fretboard.ClearFretboard();
    const Hand hand = fretboard.leftHanded() ? Hand::Left : Hand::Right;
    for (int fret = 0; fret <= kHighestPlayedFret; ++fret) {
      for (int string = 0; string < kTabStrings; ++string) {
        if (!notes[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)]) continue;
        const std::optional<int> x = fretX(hand, fret);
        const std::optional<int> y = stringY(fret, string);
        if (x && y) parts_.neck->drawOutline(*x, *y, QColor(0, 255, 0));
      }
    }
    arpeggioShown_ = true;
  }
  // After the fretboard was cleared, which darkened the guitar too.
  parts_.context.sendLeds(leds_.showArpeggio(notes));
}

void TabPlayback::pause(bool down) {
  if (SequenceSink* sink = parts_.context.sink()) {
    if (down)
      sink->pause();
    else
      sink->restart();
  }
}

bool TabPlayback::stop() {
  if (SequenceSink* sink = parts_.context.sink()) sink->stop();
  player_.stop();
  cleanUp();
  // Events already on their way may still draw markers: the clean-up runs again after them.
  timerDelayAfterStop_.start();
  return true;
}

void TabPlayback::step(int direction) {
  SequenceSink* sink = parts_.context.sink();
  if (!sink || !player_.active()) return;
  startStepFlashing();
  player_.step(direction >= 0 ? StepDirection::Forward : StepDirection::Backward, *sink);
}

void TabPlayback::startStepFlashing() {
  if (!parts_.context.transport().stepMode() || !arpeggioDown()) return;
  // The column about to be stepped to blinks over the range; the last one no longer does.
  leds_.forgetFlashing();
  timerUserFlashingNote_.start();
}

void TabPlayback::timerUserFlashingNoteTimer() {
  if (player_.active()) parts_.context.sendLeds(leds_.flash());
}

void TabPlayback::cursorEvent(std::uint32_t param) {
  const TabCursor cursor = player_.cursorForMarker(param);
  parts_.view.setPlayCursor(std::make_pair(cursor.column, cursor.block));
  parts_.view.scrollToBlock(cursor.block);
  // A cursor arriving after Stop must not light the guitar that the clean-up darkens.
  if (!player_.active()) return;
  const std::optional<LedFrame> frame =
      leds_.cursorReached(cursor.clearFretlight, arpeggioDown(), parts_.context.transport().stepMode());
  if (frame) parts_.context.sendLeds(*frame);
}

void TabPlayback::fretMarker(std::uint32_t param) {
  Fretboard& fretboard = parts_.context.fretboard();
  const int string = markerData1(param);
  if (markerData3(param) == kTabMarkerRemove) {
    // Over the arpeggio a removed marker gives back what lay under it, outline included. The
    // guitar keeps the note until the play cursor moves on.
    fretboard.endPlayingNote(string, !arpeggioShown_);
    return;
  }
  fretboard.showPlayingNote(string, markerData2(param), markerData3(param));
  if (player_.active()) leds_.noteStarted(string, markerData2(param));
}

void TabPlayback::cleanUp() {
  timerUserFlashingNote_.stop();
  parts_.view.setPlayCursor(std::nullopt);
  parts_.context.fretboard().ClearFretboard();
  arpeggioShown_ = false;
  parts_.controls.setEnabled(true);
}

void TabPlayback::ended() {
  Transport& transport = parts_.context.transport();
  SequenceSink* sink = parts_.context.sink();
  if (transport.stepMode() && player_.active()) {
    // Step play waits between columns; Play stays down until Stop.
    if (sink) {
      sink->pause();
      sink->flush();
    }
    return;
  }
  if (sink) sink->stop();
  player_.stop();
  cleanUp();
  transport.playbackEnded();
}

void TabPlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  switch (message) {
    case kMsgQueueReady:
      if (SequenceSink* sink = parts_.context.sink()) player_.fill(*sink);
      return;
    case kMsgAllPlayed:
      ended();
      return;
    default:
      break;
  }
  if (message == markerMessage(kTabFretMarker)) {
    fretMarker(param);
  } else if (message == markerMessage(kTabCursorMarker)) {
    cursorEvent(param);
  }
}

}  // namespace strumly::gui
