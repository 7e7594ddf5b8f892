#pragma once
// Hears strummed chords: at each strum onset it takes a spectrum of the first part of the strum,
// finds the notes sounding (overtones of lower notes accounted for), and names the set of pitch
// classes when it is one of the chord types it was given. docs/listening.md describes the stages.
//
// Not thread-safe: feed, finish and the setters are called from one thread.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/chords/ChordDictionary.h"
#include "core/listen/HeardEvents.h"
#include "core/theory/Pitch.h"

namespace strumly {

// The 62 built-in chord types as records, in dictionary order (the content of the chord-type
// file without reading it). Append the user's types (userChordType) for the full list.
std::vector<ChordTypeRecord> builtInChordTypes();

// The built-in types followed by the user's: the list heard chords are named with, as the menus
// and the design page name them.
std::vector<ChordTypeRecord> chordTypesWithUsers(std::span<const UserChordType> userTypes);

class ChordListener {
 public:
  // `chordTypes`: the types a heard set is named with, in list order (the built-in ones, then the
  // user's). Names are spelt with `spelling`, as chordNameText spells them: root, blank, type
  // name, and " /" + bass when the bass is not the root.
  ChordListener(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz = 440.0,
                Spelling spelling = Spelling::Sharps);
  ~ChordListener();
  ChordListener(const ChordListener&) = delete;
  ChordListener& operator=(const ChordListener&) = delete;

  // Blocks of any size. Returns the chords whose analysis completed in this block (about 160 ms
  // after each strum onset), oldest first.
  std::vector<HeardChord> feed(const float* mono, std::size_t count);
  // The end of the input: analyses a strum whose window was cut short.
  std::vector<HeardChord> finish();

  void setChordTypes(std::vector<ChordTypeRecord> chordTypes);
  void setReferenceA4(double a4Hz);
  void setSpelling(Spelling spelling);
  double sampleRate() const;
  // Forgets everything heard; times count from the next sample fed.
  void reset();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The chord name of a pitch-class set: the first (type, root) in list order whose intervals are
// exactly the set, a match rooted on `bass` preferred; nothing when none is. Shared by the
// listener and whoever checks a heard chord against a target.
struct ChordNaming {
  int root = -1;
  int typeIndex = -1;
  std::string name;
};
ChordNaming nameChordSet(std::uint16_t pitchClasses, int bass, const std::vector<ChordTypeRecord>& chordTypes,
                         Spelling spelling = Spelling::Sharps);

}  // namespace strumly
