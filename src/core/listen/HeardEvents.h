#pragma once
// What the listeners report: notes and chords heard at an onset, and the steady pitch a tuner
// shows. Times are milliseconds from the first sample fed; pitches are MIDI note numbers against
// the reference A4 the listener was given.
#include <cstdint>
#include <string>

namespace strumly {

// The range a guitar's notes are looked for in: E2 (82 Hz, the low string) to E6 (1319 Hz, the
// 24th fret of the high string).
constexpr int kLowestHeardNote = 40;   // E2
constexpr int kHighestHeardNote = 88;  // E6

struct HeardNote {
  std::int64_t ms = 0;  // onset, from the first sample fed
  int midi = 0;         // nearest note, kLowestHeardNote..kHighestHeardNote
  double cents = 0;     // off that note, -50..+50
  double hz = 0;
};

struct HeardChord {
  std::int64_t ms = 0;             // strum onset, from the first sample fed
  std::uint16_t pitchClasses = 0;  // bit 0 = C ... bit 11 = B
  int bass = -1;                   // pitch class of the lowest note heard, -1 when none
  int root = -1;                   // of the named chord, -1 when no chord type matches
  int typeIndex = -1;              // into the listener's chord types, -1 when none matches
  std::string name;                // "E m7", "C maj /E"; empty when no chord type matches
};

struct PitchReading {
  bool voiced = false;  // false: silence or no clear pitch; the other pitch fields are then 0
  double hz = 0;
  int midi = 0;
  double cents = 0;
  double level = 0;  // RMS of the latest samples, 0..1 of full scale (also when unvoiced)
};

struct NearestNote {
  int midi = 0;
  double cents = 0;  // -50..+50
};

// The note nearest to `hz` for the reference A4 = `a4Hz` and how far off it is.
NearestNote nearestNote(double hz, double a4Hz = 440.0);

// Sharp name with octave, C4 = 60: "E2", "C#4", "E6".
std::string noteNameWithOctave(int midi);

// The pitch classes of a set as sharp names in the order C C# D ... B, one blank between:
// "D E G B".
std::string pitchClassesText(std::uint16_t pitchClasses);

}  // namespace strumly
