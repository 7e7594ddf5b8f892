// Play-along scoring: the time to score a five-minute take (goal < 1 s), and the share of right
// verdicts over takes rendered from the song and altered in known ways (goal >= 98 %): every
// seventh strum left out, every seventh (from the third) replaced by another chord, every seventh
// (from the fifth) 200 ms late; on the nylon and steel guitars, clean and with white noise 30 and
// 20 dB below the guitar; for the chords the thresholds were set on and, apart, for chords held out.
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/practice/PlayAlongScorer.h"
#include "support/RenderedGuitar.h"
#include "support/RenderedTake.h"

using namespace strumly;
using namespace strumly::testing;

namespace {

constexpr int kRate = 44100;

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

using Progression = std::vector<ChordDiagram>;

// The scorer's thresholds were set on this one...
const Progression& tuningProgression() {
  static const Progression chords{kOpenC, kOpenG, kOpenAm, kOpenEm, kOpenD};
  return chords;
}

// ...and this one, which it never saw then, shows whether they hold for other chords: a barre F,
// a seventh chord and a major third on the G string.
const Progression& heldOutProgression() {
  static const Progression chords{
      playedChord(9, "maj", {64, 61, 57, 52, 45, 0}), playedChord(4, "maj", {64, 59, 56, 52, 47, 40}),
      playedChord(2, "m", {65, 62, 57, 50, 0, 0}), playedChord(5, "maj", {65, 60, 57, 53, 48, 41}),
      playedChord(11, "7", {66, 59, 57, 51, 47, 0})};
  return chords;
}

// All 36 measures of 4/4, a chord on every beat; `passes` times through with a repeat.
PlayPageSong song(const Progression& progression, int tempo, int passes) {
  PlayPageSong s;
  s.tempoBpm = tempo;
  for (int i = 0; i < kPlaySlotCount / 2; ++i)
    s.slots[static_cast<std::size_t>(2 * i)] = progression[static_cast<std::size_t>(i) % progression.size()];
  if (passes > 1) {
    s.markers44.repeatCount[35] = static_cast<std::uint8_t>(passes - 1);
    s.markers44.repeatsLeft[35] = static_cast<std::uint8_t>(passes - 1);
  }
  return s;
}

// Takes of `progression` altered in known ways; adds the verdicts that agree and all verdicts.
void alteredTakes(const char* name, const Progression& progression, int& right, int& total) {
  const PlayPageSong original = song(progression, 100, 1);
  const std::vector<ExpectedStrum> strums = expectedStrums(original, AppSettings{});
  PlayPageSong altered = original;
  std::vector<StrumVerdict> expected(strums.size(), StrumVerdict::Right);
  std::vector<std::uint64_t> lateTicks;
  for (std::size_t i = 0; i < strums.size(); ++i) {
    const auto slot = static_cast<std::size_t>(strums[i].slot);
    if (i % 7 == 0) {
      altered.slots[slot] = ChordDiagram{};
      expected[i] = StrumVerdict::Missed;
    } else if (i % 7 == 2) {
      altered.slots[slot] = progression[(i + 1) % progression.size()];
      expected[i] = StrumVerdict::Partly;
    } else if (i % 7 == 4) {
      lateTicks.push_back(static_cast<std::uint64_t>(slot) * 240);
      expected[i] = StrumVerdict::Missed;
    }
  }
  // 100 bpm: 1.25 ms a tick, so 200 ms is 160 ticks.
  auto late = [&lateTicks](std::vector<TickedEvent>& events) {
    for (TickedEvent& e : events) {
      if ((e.event.status & 0xF0) != 0x90) continue;
      for (std::uint64_t t : lateTicks)
        if (e.tick >= t && e.tick < t + 240) e.tick += 160;
    }
  };
  for (int program : {kNylonGuitar, kSteelGuitar}) {
    const std::vector<float> clean = renderSongTake(altered, late, program);
    for (double noise : {0.0, -30.0, -20.0}) {
      std::vector<float> take = clean;
      if (noise != 0) addNoise(take, noise);
      const std::vector<StrumScore> scores = scoreTake(strums, take, kRate);
      int agree = 0;
      int confusion[3][3] = {};
      for (std::size_t i = 0; i < scores.size(); ++i) {
        agree += scores[i].verdict == expected[i];
        ++confusion[static_cast<int>(expected[i])][static_cast<int>(scores[i].verdict)];
      }
      right += agree;
      total += static_cast<int>(scores.size());
      std::printf(
          "%s, %s, %s: %d of %zu verdicts as altered (%.1f %%); rows as altered, columns as judged "
          "(right partly missed): [%d %d %d] [%d %d %d] [%d %d %d]\n",
          name, program == kNylonGuitar ? "nylon" : "steel",
          noise == 0 ? "clean" : (std::to_string(static_cast<int>(-noise)) + " dB noise").c_str(), agree,
          scores.size(), 100.0 * agree / static_cast<double>(scores.size()), confusion[0][0], confusion[0][1],
          confusion[0][2], confusion[1][0], confusion[1][1], confusion[1][2], confusion[2][0],
          confusion[2][1], confusion[2][2]);
      if (std::getenv("SCORE_DEBUG") != nullptr)
        for (std::size_t i = 0; i < scores.size(); ++i)
          if (scores[i].verdict != expected[i])
            std::printf("  strum %zu (as altered %s): %s missing %03x extra %03x\n", i,
                        verdictText(expected[i]), scoreLine(scores[i]).c_str(), scores[i].missing,
                        scores[i].extra);
    }
  }
}

}  // namespace

int main() {
  {
    // 115 bpm, four times through the 144 beats: 300 s.
    const PlayPageSong long5 = song(tuningProgression(), 115, 4);
    const std::vector<ExpectedStrum> strums = expectedStrums(long5, AppSettings{});
    const std::vector<float> take = renderSongTake(long5);
    const double start = cpuSeconds();
    const std::vector<StrumScore> scores = scoreTake(strums, take, kRate);
    const double spent = cpuSeconds() - start;
    std::printf("scoring a %.0f s take of %zu strums: %.2f s CPU (goal < 1 s); %s\n",
                static_cast<double>(take.size()) / kRate, strums.size(), spent, scoreSummary(scores).c_str());
  }

  int right = 0, total = 0;
  alteredTakes("tuning chords", tuningProgression(), right, total);
  std::printf("tuning chords: %.1f %% of verdicts as altered\n", 100.0 * right / total);
  int heldRight = 0, heldTotal = 0;
  alteredTakes("held-out chords", heldOutProgression(), heldRight, heldTotal);
  std::printf("held-out chords: %.1f %% of verdicts as altered\n", 100.0 * heldRight / heldTotal);
  right += heldRight;
  total += heldTotal;
  std::printf("all altered takes: %.1f %% of verdicts as altered (goal >= 98 %%)\n", 100.0 * right / total);
  return 0;
}
