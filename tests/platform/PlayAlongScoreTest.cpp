// Play-along scoring of takes the program's own renderer made from the song, altered in known
// ways: the verdicts follow from the alteration.
#include <gtest/gtest.h>

#include "core/practice/PlayAlongScorer.h"
#include "support/RenderedGuitar.h"
#include "support/RenderedTake.h"

namespace strumly {
namespace {

using testing::kOpenAm;
using testing::kOpenC;
using testing::kOpenD;
using testing::kOpenEm;
using testing::kOpenG;

// Five measures of 4/4 at 100 bpm, a chord on every beat: 20 strums.
PlayPageSong song() {
  PlayPageSong s;
  s.tempoBpm = 100;
  s.bass = true;  // the bass is the program's part; the take holds only the guitar
  const std::array<ChordDiagram, 5> order{kOpenC, kOpenG, kOpenAm, kOpenEm, kOpenD};
  for (int i = 0; i < 20; ++i)
    s.slots[static_cast<std::size_t>(2 * i)] = order[static_cast<std::size_t>(i % 5)];
  return s;
}

std::vector<StrumVerdict> verdicts(const std::vector<StrumScore>& scores) {
  std::vector<StrumVerdict> v;
  for (const StrumScore& s : scores) v.push_back(s.verdict);
  return v;
}

// Slot 2 * i holds strum i; at 100 bpm one tick is 1.25 ms.
constexpr std::uint64_t kTicksPerStrum = 480;

TEST(PlayAlongScore, AlteredTakesAreJudgedByWhatWasChanged) {
  const PlayPageSong original = song();
  const std::vector<ExpectedStrum> strums = expectedStrums(original, AppSettings{});
  ASSERT_EQ(strums.size(), 20u);
  EXPECT_EQ(strums[5].measure, 2);
  EXPECT_EQ(strums[5].slotInMeasure, 3);
  EXPECT_NEAR(strums[5].ms, 5 * 600.0 + 20 * 1.25, 0.5);  // five beats, then the slot's 20 ticks
  EXPECT_EQ(strums[1].chord, "G maj");

  std::vector<StrumVerdict> expected(20, StrumVerdict::Right);
  // 3: left out (the chord before rings on). 8: a D maj where E m is asked for. 12: 200 ms late,
  // past the window's 150 ms.
  PlayPageSong altered = original;
  altered.slots[6] = ChordDiagram{};
  altered.slots[16] = kOpenD;
  expected[3] = StrumVerdict::Missed;
  expected[8] = StrumVerdict::Partly;
  expected[12] = StrumVerdict::Missed;
  const auto take = testing::renderSongTake(altered, [](std::vector<TickedEvent>& events) {
    const std::uint64_t first = 12 * kTicksPerStrum;
    for (TickedEvent& e : events) {
      if ((e.event.status & 0xF0) == 0x90 && e.tick >= first && e.tick < first + 240) e.tick += 160;
    }
  });
  const std::vector<StrumScore> scores = scoreTake(strums, take, 44100);
  EXPECT_EQ(verdicts(scores), expected);
  EXPECT_NE(scores[8].missing & (1u << 4), 0u);          // the E m's E not heard...
  EXPECT_NE(scores[8].extra & (1u << 2 | 1u << 6), 0u);  // ...the D maj's D or F# heard
  for (const StrumScore& s : scores) {
    if (s.verdict != StrumVerdict::Missed) EXPECT_LE(std::abs(s.offsetMs), 40) << scoreLine(s);
  }
  EXPECT_EQ(scoreSummary(scores).substr(0, 38), "17 of 20 chords right, 1 partly, 2 mis");
}

// On the nylon guitar the chord before rings on into a left-out beat with a flicker of rises, no
// strum: every left-out chord is missed, and every played one heard (right or partly: which,
// bench_score counts).
TEST(PlayAlongScore, ALeftOutChordIsMissedWhileTheOneBeforeRings) {
  const PlayPageSong original = song();
  const std::vector<ExpectedStrum> strums = expectedStrums(original, AppSettings{});
  PlayPageSong altered = original;
  std::vector<bool> leftOut(20, false);
  for (std::size_t i : {3u, 9u, 16u}) {
    altered.slots[2 * i] = ChordDiagram{};
    leftOut[i] = true;
  }
  const auto take = testing::renderSongTake(altered, {}, testing::kNylonGuitar);
  const std::vector<StrumVerdict> judged = verdicts(scoreTake(strums, take, 44100));
  ASSERT_EQ(judged.size(), 20u);
  for (std::size_t i = 0; i < judged.size(); ++i)
    EXPECT_EQ(judged[i] == StrumVerdict::Missed, leftOut[i]) << "strum " << i;
}

// The whole take 120 ms late behind noise 20 dB down: with the latency given, every strum is
// right and on the beat within the onset's precision.
TEST(PlayAlongScore, LatencyIsTakenOffAndNoiseIsNotAChord) {
  const PlayPageSong s = song();
  const std::vector<ExpectedStrum> strums = expectedStrums(s, AppSettings{});
  std::vector<float> take(static_cast<std::size_t>(0.12 * 44100), 0.0f);
  const auto played = testing::renderSongTake(s);
  take.insert(take.end(), played.begin(), played.end());
  testing::addNoise(take, -20);
  ScoreWindow window;
  window.latencyMs = 120;
  const std::vector<StrumScore> scores = scoreTake(strums, take, 44100, window);
  EXPECT_EQ(verdicts(scores), std::vector<StrumVerdict>(20, StrumVerdict::Right));
  for (const StrumScore& sc : scores) EXPECT_LE(std::abs(sc.offsetMs), 40) << scoreLine(sc);
}

TEST(PlayAlongScore, LinesAndSummaryText) {
  StrumScore late;
  late.strum.measure = 3;
  late.strum.slotInMeasure = 5;
  late.strum.chord = "G maj";
  late.verdict = StrumVerdict::Right;
  late.offsetMs = 22.4;
  StrumScore early = late;
  early.verdict = StrumVerdict::Partly;
  early.offsetMs = -30;
  StrumScore missed = late;
  missed.verdict = StrumVerdict::Missed;
  EXPECT_EQ(scoreLine(late), "3.5 G maj right +22");
  EXPECT_EQ(scoreLine(early), "3.5 G maj partly -30");
  EXPECT_EQ(scoreLine(missed), "3.5 G maj missed -");
  std::vector<StrumScore> all(18, late);
  all.push_back(early);
  all.push_back(missed);
  // (18 × 22.4 − 30) / 19 = 19.6
  EXPECT_EQ(scoreSummary(all), "18 of 20 chords right, 1 partly, 1 missed; on average 20 ms late");
  EXPECT_EQ(scoreSummary(std::vector<StrumScore>{early}),
            "0 of 1 chord right, 1 partly, 0 missed; on average 30 ms early");
  EXPECT_EQ(scoreSummary(std::vector<StrumScore>{missed}), "0 of 1 chord right, 0 partly, 1 missed");
}

}  // namespace
}  // namespace strumly
