#include "gui/playpage/PlayPagePlayback.h"

#include <QScrollArea>
#include <QScrollBar>

#include "core/midi/MidiEvent.h"
#include "core/playpage/PlayPageModel.h"
#include "gui/common/PageImage.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPageCanvas.h"
#include "gui/playpage/PlayPageScoring.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

PlayPagePlayback::PlayPagePlayback(PlayPageModel& model, PlayPageCanvas& canvas, PageImage& image,
                                   QScrollArea& scroll, PlaybackContext& context)
    : model_(model), canvas_(canvas), image_(image), scroll_(scroll), context_(context) {
  timerDelayAfterStop_.setSingleShot(true);
  timerDelayAfterStop_.setInterval(500);
  QObject::connect(&timerDelayAfterStop_, &QTimer::timeout, &image_, [this] { cleanUp(); });
}

bool PlayPagePlayback::play() {
  std::optional<ChordDiagram> single = std::move(singleChord_);
  singleChord_.reset();
  SequenceSink* sink = context_.sink();
  if (!sink) return false;
  timerDelayAfterStop_.stop();
  Transport& transport = context_.transport();
  if (single) {
    transport.setSingleChordMode(true);
    return context_.playSingleChord(*single, true);
  }
  model_.loadWorkingMarkers();
  beatsCounted_ = 0;
  shownBeat_ = -1;
  PlaybackSettings settings = context_.settings(true);
  scored_ = scoring_ && scoring_->listening() && !transport.stepMode();
  if (scored_) {
    settings.muteGuitar = scoring_->mutesGuitar();
    scoring_->takeStarted();
  }
  if (!sequencer_.start(model_.slots(), model_.timeSignature(), model_.workingMarkers(), model_.playStart(),
                        settings, *sink)) {
    endTake(true);
    return false;
  }
  beatCursorIndex_ = sequencer_.startSlot() / 2;
  if (sequencer_.trainerActive()) {
    // Shown only: the tempo the song keeps (and saves) stays the page's.
    pageTempo_ = transport.tempoMicros();
    transport.setTempoMicros(sequencer_.startTempoMicros());
  }
  if (transport.stepMode()) {
    transport.setChordSounding(true);
    canvas_.moveStepCursor(SlotPos::of(sequencer_.seqSlot()));
    image_.refresh();
  } else if (sequencer_.countOffBeats() == 0) {
    // Without a count-off the first beat is the song's: its cursor cannot wait for a beat message.
    moveBeatCursor(beatCursorIndex_);
  }
  return true;
}

void PlayPagePlayback::pause(bool down) {
  if (SequenceSink* sink = context_.sink()) {
    if (down)
      sink->pause();
    else
      sink->restart();
  }
}

bool PlayPagePlayback::stop() {
  Transport& transport = context_.transport();
  // A step chord still sounding only lets go; a second Stop ends step play.
  if (transport.stepMode() && transport.chordSounding() && !transport.singleChordMode()) {
    transport.setChordSounding(false);
    return false;
  }
  if (SequenceSink* sink = context_.sink()) sink->stop();
  sequencer_.stopped(model_.workingMarkers());
  restorePageTempo();
  endTake(true);
  cleanUp();
  // Events already on their way may still draw markers: the clean-up runs again after them.
  timerDelayAfterStop_.start();
  return true;
}

void PlayPagePlayback::step(int direction) {
  Transport& transport = context_.transport();
  SequenceSink* sink = context_.sink();
  if (!sink || transport.chordSounding()) return;
  context_.fretboard().ClearFretboard();
  if (sequencer_.stepPlay(direction >= 0 ? StepDirection::Forward : StepDirection::Backward, *sink)) {
    transport.setChordSounding(true);
    canvas_.moveStepCursor(SlotPos::of(sequencer_.seqSlot()));
    image_.refresh();
  }
}

void PlayPagePlayback::moveBeatCursor(int index) {
  if (shownBeat_ >= 0) canvas_.drawBeatCursor(shownBeat_, false);
  canvas_.drawBeatCursor(index, true);
  shownBeat_ = index;
  const int top = PlayPageCanvas::beatCursorRowTop(index);
  QScrollBar* bar = scroll_.verticalScrollBar();
  const int height = scroll_.viewport()->height();
  // Keep the playing row in view without jumping on every beat.
  if (top < bar->value() || top + 132 > bar->value() + height) bar->setValue(top);
  image_.refresh();
}

void PlayPagePlayback::cleanUp() {
  canvas_.moveStepCursor(std::nullopt);
  if (shownBeat_ >= 0) canvas_.drawBeatCursor(shownBeat_, false);
  shownBeat_ = -1;
  image_.refresh();
  context_.fretboard().ClearFretboard();
}

void PlayPagePlayback::ended() {
  Transport& transport = context_.transport();
  SequenceSink* sink = context_.sink();
  const bool stepChord = transport.stepMode() && !transport.singleChordMode();
  if (stepChord) {
    // Step play pauses between chords; Play stays down until Stop.
    if (sink) {
      sink->pause();
      sink->flush();
    }
    transport.setChordSounding(false);
    return;
  }
  if (sink) sink->stop();
  sequencer_.stopped(model_.workingMarkers());
  restorePageTempo();
  endTake(false);
  cleanUp();
  transport.setChordSounding(false);
  transport.playbackEnded();
}

void PlayPagePlayback::endTake(bool cutShort) {
  if (scored_ && scoring_) scoring_->takeEnded(cutShort);
  scored_ = false;
}

void PlayPagePlayback::restorePageTempo() {
  if (pageTempo_) context_.transport().setTempoMicros(*pageTempo_);
  pageTempo_.reset();
}

void PlayPagePlayback::midiMessage(std::uint32_t message, std::uint32_t param) {
  Transport& transport = context_.transport();
  switch (message) {
    case kMsgBeat: {
      if (transport.stepMode() || transport.singleChordMode()) return;
      // The count-off's beats are only counted; the cursor waits for the song.
      if (sequencer_.countOffBeats() > 0 && beatsCounted_ < sequencer_.countOffBeats() - 1) {
        ++beatsCounted_;
        return;
      }
      moveBeatCursor(beatCursorIndex_);
      return;
    }
    case kMsgQueueReady:
      if (SequenceSink* sink = context_.sink()) sequencer_.fill(*sink);
      return;
    case kMsgAllPlayed:
      ended();
      return;
    case kMsgTempoChanged:
      if (pageTempo_) transport.setTempoMicros(param);
      return;
    default:
      break;
  }
  if (message == markerMessage(1)) {
    context_.noteMarker(param, true);
  } else if (message == markerMessage(2)) {
    beatCursorIndex_ = markerData1(param);
  } else if (message == markerMessage(3)) {
    const int slot = markerData2(param) * 256 + markerData1(param);
    if (slot < 0 || slot >= kPlaySlotCount) return;
    const ChordDiagram& chord = model_.slot(SlotPos::of(slot));
    context_.slotReached(chord);
    if (scored_ && scoring_ && !chord.isEmpty()) scoring_->strumDue(slot, chord, model_.timeSignature());
  }
}

}  // namespace strumly::gui
