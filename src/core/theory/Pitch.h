#pragma once
// Pitch numbers, note-name tables and tunings shared by every part of the program.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace strumly {

using PitchNumber = std::uint8_t;  // MIDI note number, 60 = "C4"
using PitchClass = std::uint8_t;   // PitchNumber mod 12, 0 = C

constexpr int kStringCount = 6;                 // string 0 is the highest-sounding string
constexpr int kFretCount = 22;                  // frets 1..22 above the nut
constexpr PitchNumber kLowestOpenString = 33;   // "A1"
constexpr PitchNumber kHighestOpenString = 69;  // "A4"
constexpr std::size_t kTuningNameCapacity = 15;

constexpr PitchClass pitchClassOf(int pitch) {
  return static_cast<PitchClass>(((pitch % 12) + 12) % 12);
}

using Names12 = std::array<std::string_view, 12>;
using Names37 = std::array<std::string_view, 37>;

inline constexpr Names12 kFlatNames = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
inline constexpr Names12 kSharpNames = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// Names with octave for the open-string range 33..69, looked up by pitch - 33.
inline constexpr Names37 kFlatNamesWithOctave = {
    "A1",  "Bb1", "B1",  "C2",  "Db2", "D2",  "Eb2", "E2",  "F2",  "Gb2", "G2",  "Ab2", "A2",
    "Bb2", "B2",  "C3",  "Db3", "D3",  "Eb3", "E3",  "F3",  "Gb3", "G3",  "Ab3", "A3",  "Bb3",
    "B3",  "C4",  "Db4", "D4",  "Eb4", "E4",  "F4",  "Gb4", "G4",  "Ab4", "A4"};
inline constexpr Names37 kSharpNamesWithOctave = {
    "A1",  "A#1", "B1",  "C2",  "C#2", "D2",  "D#2", "E2",  "F2",  "F#2", "G2",  "G#2", "A2",
    "A#2", "B2",  "C3",  "C#3", "D3",  "D#3", "E3",  "F3",  "F#3", "G3",  "G#3", "A3",  "A#3",
    "B3",  "C4",  "C#4", "D4",  "D#4", "E4",  "F4",  "F#4", "G4",  "G#4", "A4"};

enum class Spelling { Flats, Sharps };

// The pair of tables the main window names notes with; switched as a pair.
struct NoteNames {
  Spelling spelling = Spelling::Flats;
  const Names12& names12() const { return spelling == Spelling::Flats ? kFlatNames : kSharpNames; }
  const Names37& names37() const {
    return spelling == Spelling::Flats ? kFlatNamesWithOctave : kSharpNamesWithOctave;
  }
  std::string_view name(int pitchOrClass) const { return names12()[pitchClassOf(pitchOrClass)]; }
  // Open-string range only; pitches outside 33..69 are clamped to the ends of the table.
  std::string_view nameWithOctave(int pitch) const {
    // Clamp before subtracting: the pitch may come from a damaged file as any int.
    int p = pitch < kLowestOpenString ? kLowestOpenString
                                      : (pitch > kHighestOpenString ? kHighestOpenString : pitch);
    return names37()[static_cast<std::size_t>(p - kLowestOpenString)];
  }
};

struct Tuning {
  std::array<PitchNumber, kStringCount> pitches{64, 59, 55, 50, 45, 40};
  bool operator==(const Tuning&) const = default;
  bool isStandard() const { return pitches == Tuning{}.pitches; }
};

inline constexpr std::array<PitchNumber, kStringCount> kStandardTuning{64, 59, 55, 50, 45, 40};

// A pitch's frequency against the reference A4, and back: the pitch of a frequency, fractional
// when it lies between two notes (69.04 is four cents above "A4").
double noteHz(double pitch, double a4Hz);
double exactPitch(double hz, double a4Hz);

// The pitch classes of a set (bit 0 = C) as names from C up, one blank between: "D E G B".
std::string pitchClassNames(std::uint16_t pitchClasses, const NoteNames& names);

// "Standard", or the note names of strings 5..0 (lowest first), each followed by one blank.
std::string tuningName(const Tuning& tuning, const NoteNames& names);

// Up-down step of a tuning control: wraps 69 -> 33 and 33 -> 69.
PitchNumber stepOpenString(PitchNumber current, int delta);

}  // namespace strumly
