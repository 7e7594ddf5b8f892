// Play-along scoring of takes the program's own renderer made from the song, altered in known
// ways: the verdicts follow from the alteration.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/playback/SongRecording.h"
#include "core/practice/PlayAlongScorer.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly {
namespace {

ChordDiagram chord(PitchClass root, const char* name, std::array<PitchNumber, 6> pitches) {
  ChordDiagram c;
  c.empty = 0;
  c.name = name;
  c.root = root;
  c.bass = static_cast<std::uint8_t>(root + 24);
  c.pitches = pitches;
  return c;
}

// Open-position voicings, string 0 (high E) first.
const ChordDiagram kC = chord(0, "maj", {64, 60, 55, 52, 48, 0});
const ChordDiagram kG = chord(7, "maj", {67, 59, 55, 50, 47, 43});
const ChordDiagram kAm = chord(9, "m", {64, 60, 57, 52, 45, 0});
const ChordDiagram kD = chord(2, "maj", {66, 62, 57, 50, 0, 0});
const ChordDiagram kEm = chord(4, "m", {64, 59, 55, 52, 47, 40});

// Five measures of 4/4 at 100 bpm, a chord on every beat: 20 strums.
PlayPageSong song() {
  PlayPageSong s;
  s.tempoBpm = 100;
  s.bass = true;  // the bass is the program's part; the take holds only the guitar
  const std::array<ChordDiagram, 5> order{kC, kG, kAm, kEm, kD};
  for (int i = 0; i < 20; ++i)
    s.slots[static_cast<std::size_t>(2 * i)] = order[static_cast<std::size_t>(i % 5)];
  return s;
}

// The guitar channel of `played` as the synth plays it; `alter` may move or drop its events.
std::vector<float> renderTake(const PlayPageSong& played,
                              const std::function<void(std::vector<TickedEvent>&)>& alter = {}) {
  const AppSettings settings;
  RecordedSong recorded = recordSong(played, settings, RecordingOptions{});
  std::vector<TickedEvent> guitar;
  for (const TickedEvent& e : recorded.events)
    if (isChannelStatus(e.event.status) && (e.event.status & 0x0F) == settings.midi.guitarChannel)
      guitar.push_back(e);
  if (alter) alter(guitar);
  std::stable_sort(guitar.begin(), guitar.end(),
                   [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });
  std::vector<MidiEvent> events;
  std::uint64_t now = 0;
  for (const TickedEvent& e : guitar) {
    MidiEvent m = e.event;
    m.time = static_cast<std::uint32_t>(e.tick - now);
    now = e.tick;
    events.push_back(m);
  }
  const auto soundFont = findSoundFont();
  if (!soundFont) throw std::runtime_error("no General MIDI sound font installed");
  OfflineRenderer renderer(*soundFont);
  RenderOptions options;
  options.tempoMicros = recorded.tempoMicros;
  options.effects = false;
  const RenderedAudio audio = renderer.render(events, options);
  std::vector<float> mono(audio.frames());
  for (std::size_t f = 0; f < mono.size(); ++f)
    mono[f] =
        (static_cast<float>(audio.samples[2 * f]) + static_cast<float>(audio.samples[2 * f + 1])) / 65536.0f;
  return mono;
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
  altered.slots[16] = kD;
  expected[3] = StrumVerdict::Missed;
  expected[8] = StrumVerdict::Partly;
  expected[12] = StrumVerdict::Missed;
  const auto take = renderTake(altered, [](std::vector<TickedEvent>& events) {
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
    if (s.verdict != StrumVerdict::Missed) EXPECT_LE(std::abs(s.offsetMs), 30) << scoreLine(s);
  }
  EXPECT_EQ(scoreSummary(scores).substr(0, 38), "17 of 20 chords right, 1 partly, 2 mis");
}

// The whole take 120 ms late behind noise 40 dB down (the onsets are still lost now and then at 30 dB): with
// the latency given, every strum is right and on the beat within the onset's precision; without it, still
// inside the window.
TEST(PlayAlongScore, LatencyIsTakenOffAndNoiseIsNotAChord) {
  const PlayPageSong s = song();
  const std::vector<ExpectedStrum> strums = expectedStrums(s, AppSettings{});
  std::vector<float> take(static_cast<std::size_t>(0.12 * 44100), 0.0f);
  const auto played = renderTake(s);
  take.insert(take.end(), played.begin(), played.end());
  testing::addNoise(take, -40);
  ScoreWindow window;
  window.latencyMs = 120;
  const std::vector<StrumScore> scores = scoreTake(strums, take, 44100, window);
  EXPECT_EQ(verdicts(scores), std::vector<StrumVerdict>(20, StrumVerdict::Right));
  for (const StrumScore& sc : scores) EXPECT_LE(std::abs(sc.offsetMs), 30) << scoreLine(sc);
  const std::vector<StrumScore> unshifted = scoreTake(strums, take, 44100);
  double late = 0;
  for (const StrumScore& sc : unshifted) late += sc.offsetMs / 20;
  EXPECT_NEAR(late, 120, 30);
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
