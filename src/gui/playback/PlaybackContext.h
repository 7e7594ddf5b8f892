#pragma once
// What every page's player needs from the rest of the program: the sequence sink of the open
// MIDI output (none without one: Play then comes back up silently), the transport with its
// buttons and tempo, the settings of the run, the strum speed bar, the fretboard that shows each
// note as it sounds, and the spoken note names. The players of the pages build on it; it also
// handles the messages all of them share (a note starting or ending).
#include <cstdint>

#include "core/playback/PlaybackSettings.h"
#include "core/views/ChordPicture.h"

class QAbstractButton;
class QAbstractSlider;

namespace strumly {
class LedSink;
struct AppSettings;
struct ChordDiagram;
class SequenceSink;
}  // namespace strumly

namespace strumly::gui {

class Fretboard;
class MidiSession;
class SpeechSounds;
class Transport;
class TuningControls;

struct PlaybackControls {
  QAbstractSlider* strumSpeed = nullptr;    // sbStrumSpeed
  QAbstractButton* bassNote = nullptr;      // sbtnBassNote: the play page reads the button
  QAbstractButton* rootPlay = nullptr;      // sbtnRootPlay
  QAbstractButton* showArpeggio = nullptr;  // sbShowArp
  QAbstractButton* animateLeds = nullptr;   // sbtnFLAnimate: the guitar lights the notes as they sound
};

class PlaybackContext {
 public:
  // `leds` may be null: no guitar attached.
  PlaybackContext(MidiSession* midi, Transport& transport, const AppSettings& settings,
                  const PlaybackControls& controls, Fretboard& fretboard, SpeechSounds& speech,
                  const TuningControls& tuning, LedSink* leds);

  // The sink to queue into now; null while no output is open.
  SequenceSink* sink() const;
  // The settings of this moment, as the players read them when they start.
  PlaybackSettings settings(bool playPageActive) const;
  Transport& transport() { return transport_; }
  Fretboard& fretboard() { return fretboard_; }

  // Strums one chord at 120 beats per minute, whatever the play page's tempo; false, with
  // nothing queued, without an output or for an empty chord.
  bool playSingleChord(const ChordDiagram& chord, bool playPageActive);
  // A status-1 marker: a finger marker is drawn or removed on the fretboard; a starting note is
  // spoken when speech is on (never while the play page plays: it would talk over the song).
  void noteMarker(std::uint32_t param, bool playPageActive);
  // The end of a single chord or scale: the clock halts, what is left in the queue goes, Play
  // comes back up.
  void phraseEnded();
  // A status-3 marker on the play page: with Show Arpeggio down the slot's chord is drawn on the
  // fretboard as the song reaches it; otherwise, with the guitar's animation off, the guitar goes
  // dark and then lights the slot's chord (its strings that are not muted).
  void slotReached(const ChordDiagram& chord);
  // A frame of a player to the guitar, mirrored while Left Handed is down; nothing without one.
  void sendLeds(const LedFrame& frame);
  // The notes sounding now (`playLeds`) and the last one started (fret, string; -1 before any),
  // for the guitar's flashing note.
  const LedFrame& playLeds() const { return playLeds_; }
  int lastFret() const { return lastFret_; }
  int lastString() const { return lastString_; }

 private:
  MidiSession* midi_;
  Transport& transport_;
  const AppSettings& settings_;
  PlaybackControls controls_;
  Fretboard& fretboard_;
  SpeechSounds& speech_;
  const TuningControls& tuning_;
  LedSink* leds_;
  LedFrame playLeds_;  // the notes sounding now, for the guitar's animation
  int lastFret_ = -1;
  int lastString_ = -1;
};

}  // namespace strumly::gui
