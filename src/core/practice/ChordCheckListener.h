#pragma once
// Listen's ear for the chord on the neck. The chord listener finds each strum and names what it
// heard blind; when a target chord is set, the strum is also judged against it by the play-along
// scorer's rules, which look for exactly the target's notes (their fundamentals, a low string's
// octave, a re-plucked note over a ringing partial) and for strong peaks none of its partials
// explain. Knowing what to look for hears far more exactly than naming a strum blind, whose
// notes may hide on each other's partials.
//
// Not thread-safe: feed, finish and the setters are called from one thread.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/chords/ChordDictionary.h"
#include "core/listen/HeardEvents.h"
#include "core/practice/ListenCheck.h"
#include "core/theory/Pitch.h"

namespace strumly {

class ChordListener;
class StrumJudge;

struct CheckedStrum {
  HeardChord heard;                 // as the chord listener named it
  std::optional<ChordCheck> check;  // against the target set when the strum was judged
};

class ChordCheckListener {
 public:
  ChordCheckListener(double sampleRate, std::vector<ChordTypeRecord> chordTypes, double a4Hz = 440.0,
                     Spelling spelling = Spelling::Sharps);
  ~ChordCheckListener();
  ChordCheckListener(const ChordCheckListener&) = delete;
  ChordCheckListener& operator=(const ChordCheckListener&) = delete;

  // The chord's note on each string, 0 where it is not played; all 0: no target. A strum is
  // judged against the target set when its sound has been heard (about 190 ms after its onset).
  void setTarget(const std::array<PitchNumber, kStringCount>& pitches);

  // Blocks of any size; the strums judged in this block, oldest first.
  std::vector<CheckedStrum> feed(const float* mono, std::size_t count);
  // The end of the input: what is still waiting is judged with what there is.
  std::vector<CheckedStrum> finish();

 private:
  std::vector<CheckedStrum> ready(bool all);
  CheckedStrum judged(const HeardChord& heard);

  double rate_;
  std::unique_ptr<ChordListener> listener_;
  std::unique_ptr<StrumJudge> judge_;  // one spectrum's buffers and plan for every strum
  std::array<PitchNumber, kStringCount> target_{};
  std::vector<float> kept_;  // the input from sample first_ on
  std::int64_t first_ = 0;
  std::vector<HeardChord> waiting_;
};

}  // namespace strumly
