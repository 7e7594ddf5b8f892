#pragma once
// Play-along scoring: each chord strum of a song, played once from measure 1 at the file's tempo
// without count-off, judged against what a recorded take holds around its beat. The scorer knows
// which notes the slot asks for, so it looks for exactly those in the strum's spectrum (their
// fundamentals or octaves) and for strong peaks that none of their partials explain, rather
// than naming the heard chord blind.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/playpage/PlayPageFile.h"
#include "core/theory/Pitch.h"

namespace strumly {

namespace listen {
class ChordSpectrum;
}

// One strum the song asks for, in playing order (a repeated measure's slots come again).
struct ExpectedStrum {
  int slot = 0;           // linear slot index 0..287
  int measure = 1;        // 1-based, as the page numbers measures
  int slotInMeasure = 1;  // 1-based half beat within the measure
  double ms = 0;          // the strum's first note, from the start of the song
  std::array<PitchNumber, kStringCount> pitches{};
  std::string chord;  // the slot's label, "C maj /E"
};

// The strums of `song` as Play plays it from measure 1 with its repeats, Loop Play and count-off
// off, at the file's tempo: the same sequencer and timing the export uses. A song whose repeats
// play longer than an export may gives none, with the reason in `error` when one is given.
std::vector<ExpectedStrum> expectedStrums(const PlayPageSong& song, const AppSettings& settings,
                                          const NoteNames& names = {Spelling::Sharps},
                                          std::string* error = nullptr);

enum class StrumVerdict { Right, Partly, Missed };

struct StrumScore {
  ExpectedStrum strum;
  StrumVerdict verdict = StrumVerdict::Missed;
  double offsetMs = 0;        // heard onset less the beat (after the latency); 0 when missed
  std::uint16_t missing = 0;  // the slot's pitch classes not heard, bit 0 = C
  std::uint16_t extra = 0;    // strong pitch classes heard outside the slot's
};

struct ScoreWindow {
  double earlyMs = 80;   // a strum may start this long before its beat...
  double lateMs = 150;   // ...or this long after it
  double latencyMs = 0;  // the input's delay: the take hears the beat this much later
};

// Judges every strum against the take's mono samples: the earliest note onset in the window is
// the strum's, and the spectrum from there decides the verdict.
std::vector<StrumScore> scoreTake(std::span<const ExpectedStrum> strums, std::span<const float> mono,
                                  double sampleRate, const ScoreWindow& window = {}, double a4Hz = 440.0);

// What one strum holds of the notes it was asked for.
struct StrumJudgement {
  StrumVerdict verdict = StrumVerdict::Missed;  // Missed: nothing sounded
  std::uint16_t missing = 0;  // the asked-for pitch classes not heard, bit 0 = C
  std::uint16_t extra = 0;    // strong pitch classes heard outside them
  std::uint16_t heard = 0;    // the asked-for ones heard and the extra ones
};

// Judges one strum whose onset is known against the notes it asks for, by the rules scoreTake
// judges with: Listen's check of the chord on the neck.
class StrumJudge {
 public:
  explicit StrumJudge(double sampleRate, double a4Hz = 440.0);
  ~StrumJudge();
  StrumJudge(const StrumJudge&) = delete;
  StrumJudge& operator=(const StrumJudge&) = delete;

  // `onset`: a sample of `mono`, which should hold soundBefore() samples before it and
  // soundAfter() from it on; what it lacks counts as silence.
  StrumJudgement judge(const std::array<PitchNumber, kStringCount>& pitches, std::span<const float> mono,
                       std::int64_t onset);
  std::int64_t soundBefore() const;
  std::int64_t soundAfter() const;

 private:
  double rate_;
  double a4_;
  std::unique_ptr<listen::ChordSpectrum> spectrum_;
};

// "right", "partly", "missed".
const char* verdictText(StrumVerdict verdict);
// "MEASURE.SLOT CHORD VERDICT OFFSET_MS": "3.5 G maj right +12"; a missed strum's offset is "-".
std::string scoreLine(const StrumScore& score);
struct ScoreTally {
  int right = 0;
  int partly = 0;
  int missed = 0;
  int total = 0;
  std::optional<long> averageMs;  // over the strums heard, rounded; none when none was
};
ScoreTally tallyScores(std::span<const StrumScore> scores);

// "18 of 20 chords right, 1 partly, 1 missed; on average 22 ms late" (or "early"); the average is
// left off when no strum was heard.
std::string scoreSummary(std::span<const StrumScore> scores);

}  // namespace strumly
