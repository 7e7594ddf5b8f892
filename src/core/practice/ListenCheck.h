#pragma once
// The rules Listen marks the student's playing by, apart from any screen: a strummed chord held
// against the chord on the neck, and the notes of a scale position counted as they are played.
// Heard chords come as pitch-class sets (the listener cannot tell which string sounded a note),
// so a string counts as heard when its note's pitch class was heard.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/theory/Pitch.h"

namespace strumly {

enum class StringMark { Silent, Heard, NotHeard };  // Silent: the chord does not play the string

struct ChordCheck {
  std::array<StringMark, kStringCount> strings{};
  std::uint16_t missing = 0;  // the chord's pitch classes not heard, bit 0 = C
  std::uint16_t extra = 0;    // heard pitch classes that are not in the chord
  bool right() const { return missing == 0 && extra == 0; }
};

// `pitches`: the chord's note on each string, 0 where the string is not played.
ChordCheck checkChord(const std::array<PitchNumber, kStringCount>& pitches, std::uint16_t heard);

// "Right", "Missing B", "Extra F#", "Missing B, extra F#"; several notes one blank apart, from C up.
std::string chordCheckText(const ChordCheck& check, const NoteNames& names);

// "Heard: E m7" for a named chord, else "Heard: D E G B" (the pitch classes, from C up).
std::string heardChordText(const std::string& name, std::uint16_t heard, const NoteNames& names);

struct NotePlace {
  int string = 0;
  int fret = 0;
  int pitch = 0;  // MIDI note
};

// One pass through a scale position: each note heard at a pitch the position holds turns one of
// its places played (the first not played yet, string 0 first as the position lists them); a note
// whose pitch class is not in the scale counts as wrong. A note of the scale in another octave
// is neither.
class ScalePractice {
 public:
  enum class Verdict { Played, AlreadyPlayed, OtherOctave, Wrong };
  struct Outcome {
    Verdict verdict = Verdict::OtherOctave;
    int place = -1;  // the place played, for Played
  };

  ScalePractice() = default;
  ScalePractice(std::vector<NotePlace> places, const std::array<bool, 12>& scaleClasses);

  Outcome hear(int midi);
  void restart();

  const std::vector<NotePlace>& places() const { return places_; }
  bool isPlayed(int place) const { return played_[static_cast<std::size_t>(place)]; }
  int playedCount() const;
  int total() const { return static_cast<int>(places_.size()); }
  int wrong() const { return wrong_; }
  // "12 of 15 notes played, 1 wrong"
  std::string progressText() const;

 private:
  std::vector<NotePlace> places_;
  std::array<bool, 12> classes_{};
  std::vector<bool> played_;
  int wrong_ = 0;
};

}  // namespace strumly
