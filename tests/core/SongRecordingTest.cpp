// What an export records of a song: played once from measure 1, cut after the last chord's
// release, every note that sounded released.
#include <gtest/gtest.h>

#include <map>

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

}  // namespace
}  // namespace strumly
