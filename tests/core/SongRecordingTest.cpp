// What an export records of a song: played once from measure 1, cut after the last chord's
// release, every note that sounded released.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/playback/SongRecording.h"

namespace strumly {
namespace {

// An open C (x32010): C3 E3 G3 C4 E4.
ChordDiagram openC() {
  ChordDiagram c;
  c.empty = 0;
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  c.pitches = {64, 60, 55, 52, 48, 0};
  c.root = 0;
  c.bass = 24;
  return c;
}

TEST(SongRecording, AOneChordSongEndsWithItsReleaseNotAfterThirtySixMeasures) {
  PlayPageSong song;
  song.tempoBpm = 120;
  song.slots[0] = openC();
  const RecordedSong recorded = recordSong(song, AppSettings{}, {});
  EXPECT_EQ(recorded.tempoMicros, 500000u);
  ASSERT_FALSE(recorded.events.empty());

  // Every note that starts is released, and nothing sounds after the releases.
  std::map<int, int> sounding;
  std::uint64_t lastNoteOn = 0;
  const int click = AppSettings{}.midi.clickChannel;
  for (const TickedEvent& e : recorded.events) {
    const int kind = e.event.status & 0xF0;
    // Beats without a click are velocity-0 notes on the click channel: not part of the song.
    if ((e.event.status & 0x0F) == click) continue;
    if (kind == 0x90 && e.event.data2 > 0) {
      ++sounding[e.event.data1];
      lastNoteOn = e.tick;
    } else if (kind == 0x80 || (kind == 0x90 && e.event.data2 == 0)) {
      --sounding[e.event.data1];
    }
  }
  for (const auto& [pitch, count] : sounding) EXPECT_EQ(count, 0) << "pitch " << pitch;
  // One chord sustains at most eight half-beat slots (1920 ticks) after its strum: the recording
  // ends within the second measure, far from the song's 36 measures of 1920 ticks.
  EXPECT_LE(recorded.events.back().tick, lastNoteOn + 1920 + 240);
  EXPECT_LT(recorded.events.back().tick, 2u * 1920u);
}

// Ticks of the events on `channel` with the given kind (0x90 with a velocity, or 0x80).
std::vector<std::uint64_t> ticksOf(const RecordedSong& song, int kind, int channel) {
  std::vector<std::uint64_t> ticks;
  for (const TickedEvent& e : song.events)
    if ((e.event.status & 0xF0) == kind && (e.event.status & 0x0F) == channel &&
        (kind != 0x90 || e.event.data2 > 0))
      ticks.push_back(e.tick);
  return ticks;
}

TEST(SongRecording, TheLastSlotsChordRingsUntilTheEndEvent) {
  // Strum 0 strikes the five strings on the slot's chord tick, 20 ticks into slot 287; the song
  // ends after that slot and its end event comes 1000 ticks later.
  PlayPageSong song;
  song.strumSpeed = 0;
  song.slots[287] = openC();
  const RecordedSong recorded = recordSong(song, AppSettings{}, {});
  const std::uint64_t struck = 287 * 240 + 20;
  EXPECT_EQ(ticksOf(recorded, 0x90, 0), std::vector<std::uint64_t>(5, struck));
  EXPECT_EQ(ticksOf(recorded, 0x80, 0), std::vector<std::uint64_t>(5, struck + 1000));
}

TEST(SongRecording, ClicksGoOnUnderTheLastChord) {
  // One chord on the first beat sounds its eight slots (four beats); the click of each of those
  // beats stays, each ending on the following slot, and the export ends with the chord.
  PlayPageSong song;
  song.slots[0] = openC();
  const RecordedSong recorded = recordSong(song, AppSettings{}, {.countOff = false, .click = true});
  EXPECT_EQ(ticksOf(recorded, 0x90, 9), (std::vector<std::uint64_t>{20, 500, 980, 1460}));
  EXPECT_EQ(ticksOf(recorded, 0x80, 9), (std::vector<std::uint64_t>{260, 740, 1220, 1700}));
  EXPECT_EQ(recorded.events.back().tick, 8u * 240 + 20);
}

TEST(SongRecording, ADamagedStrumOrEndlessRepeatsKeepTheExportBounded) {
  // A strum far beyond the bar's slowest end is played at -800: 44 ticks between strings, and the
  // next slot still begins 240 ticks after this one.
  PlayPageSong song;
  song.strumSpeed = -9000;
  song.slots[0] = openC();
  song.slots[1] = openC();
  const std::vector<std::uint64_t> ons = ticksOf(recordSong(song, AppSettings{}, {}), 0x90, 0);
  EXPECT_EQ(ons, (std::vector<std::uint64_t>{20, 64, 108, 152, 196, 260, 304, 348, 392, 436}));

  // Measure 1 played 256 times within every one of 256 passes of measures 1-2: over 17 hours at
  // 250 beats a minute. The export refuses it instead of growing without end.
  PlayPageSong endless;
  endless.tempoBpm = 250;
  endless.slots[8] = openC();
  endless.markers44.repeatCount[0] = endless.markers44.repeatsLeft[0] = 255;
  endless.markers44.repeatCount[1] = endless.markers44.repeatsLeft[1] = 255;
  const RecordedSong refused = recordSong(endless, AppSettings{}, {});
  EXPECT_EQ(refused.error, kExportTooLongText);
  EXPECT_TRUE(refused.events.empty());
}

}  // namespace
}  // namespace strumly
