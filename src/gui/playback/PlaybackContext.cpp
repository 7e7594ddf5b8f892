#include "gui/playback/PlaybackContext.h"

#include <QAbstractButton>
#include <QAbstractSlider>

#include "core/app/AppSettings.h"
#include "core/fretlight/LedSink.h"
#include "core/midi/MidiEvent.h"
#include "core/playback/ChordPlayer.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/SpeechSounds.h"
#include "gui/playback/Transport.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

PlaybackContext::PlaybackContext(MidiSession* midi, Transport& transport, const AppSettings& settings,
                                 const PlaybackControls& controls, Fretboard& fretboard, SpeechSounds& speech,
                                 const TuningControls& tuning, LedSink* leds)
    : midi_(midi),
      transport_(transport),
      settings_(settings),
      controls_(controls),
      fretboard_(fretboard),
      speech_(speech),
      tuning_(tuning),
      leds_(leds) {}

SequenceSink* PlaybackContext::sink() const {
  return midi_ ? midi_->sequence() : nullptr;
}

PlaybackSettings PlaybackContext::settings(bool playPageActive) const {
  PlaybackSettings s;
  s.midi = settings_.midi;
  // Single chords and scales follow the setting; the play page follows the button, which a play
  // page file also sets. The button is the setting's face, so both read the button here.
  s.bassNote = controls_.bassNote ? controls_.bassNote->isChecked() : settings_.bassNote;
  s.strumSpeed = controls_.strumSpeed ? controls_.strumSpeed->value() : settings_.strumSpeed;
  s.countOff = transport_.countOff();
  s.countOffMeasures = settings_.countOffMeasures;
  s.click = transport_.click();
  s.loop = transport_.loop();
  s.stepMode = transport_.stepMode();
  s.singleChordMode = transport_.singleChordMode();
  s.playPageActive = playPageActive;
  s.rootPlay = controls_.rootPlay && controls_.rootPlay->isChecked();
  s.scaleFrets = settings_.scaleFrets;
  s.tempoMicros = transport_.tempoMicros();
  s.speedTrainer = settings_.speedTrainer;
  return s;
}

bool PlaybackContext::playSingleChord(const ChordDiagram& chord, bool playPageActive) {
  SequenceSink* out = sink();
  if (!out || chord.isEmpty()) return false;
  out->setTempo(kDefaultTempoMicros);
  if (!PlayChord(chord, settings(playPageActive), *out)) return false;
  transport_.setChordSounding(true);
  return true;
}

void PlaybackContext::noteMarker(std::uint32_t param, bool playPageActive) {
  const int string = markerData1(param);
  const int fret = markerData2(param);
  const int code = markerData3(param);
  if (code == kMarkerNoteEnds) {
    fretboard_.endPlayingNote(string, playPageActive);
    playLeds_.clear();
    return;
  }
  fretboard_.showPlayingNote(string, fret, code);
  lastFret_ = fret;
  lastString_ = string;
  if (fret < kLedFrets)
    playLeds_.light(fret, string, false);
  else
    playLeds_.clear();
  const bool arpeggioShown = playPageActive && controls_.showArpeggio &&
                             controls_.showArpeggio->isChecked() && !transport_.singleChordMode();
  if (leds_ && !arpeggioShown && controls_.animateLeds && controls_.animateLeds->isChecked())
    leds_->send(playLeds_, fretboard_.leftHanded() ? Hand::Left : Hand::Right);
  if (!playPageActive && string >= 0 && string < kStringCount)
    speech_.speak((tuning_.tuning().pitches[static_cast<std::size_t>(string)] + fret) % 12);
}

void PlaybackContext::slotReached(const ChordDiagram& chord) {
  if (chord.isEmpty()) return;
  if (controls_.showArpeggio && controls_.showArpeggio->isChecked()) {
    // The fretboard redraw shows the chord on the guitar too.
    fretboard_.RedrawFretboard(chord);
    return;
  }
  // Without the note-by-note animation the guitar shows each slot's whole chord as it comes; the
  // dark frame first makes a chord struck again blink.
  if (!leds_ || !controls_.animateLeds || controls_.animateLeds->isChecked()) return;
  const Hand hand = fretboard_.leftHanded() ? Hand::Left : Hand::Right;
  playLeds_.clear();
  leds_->send(playLeds_, hand);
  for (int string = 0; string < kStringCount; ++string) {
    const StringFret& played = chord.strings[static_cast<std::size_t>(string)];
    if (played.finger != kFingerMuted && played.fret < kLedFrets) playLeds_.light(played.fret, string, false);
  }
  leds_->send(playLeds_, hand);
}

void PlaybackContext::sendLeds(const LedFrame& frame) {
  if (leds_) leds_->send(frame, fretboard_.leftHanded() ? Hand::Left : Hand::Right);
}

void PlaybackContext::phraseEnded() {
  if (SequenceSink* out = sink()) {
    out->pause();
    out->flush();
  }
  transport_.setChordSounding(false);
  transport_.playbackEnded();
}

}  // namespace strumly::gui
