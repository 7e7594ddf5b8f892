// Exports of a full play page (288 chords, 4/4, 100 bpm): recording the song and writing it as a
// MIDI file should take well under 50 ms; rendering it to WAV at least 100 times faster than it
// plays.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/playback/SongRecording.h"
#include "platform/midi/SongExport.h"
#include "platform/midi/SoundFontLocator.h"

using namespace strumly;

namespace {

PlayPageSong fullSong() {
  PlayPageSong song;
  song.tempoBpm = 100;
  ChordDiagram c;
  c.empty = 0;
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  c.pitches = {64, 60, 55, 52, 48, 0};
  song.slots.fill(c);
  return song;
}

void BM_RecordAndWriteMidi(benchmark::State& state) {
  const PlayPageSong song = fullSong();
  for (auto _ : state) {
    const RecordedSong recorded = recordSong(song, AppSettings{}, {});
    benchmark::DoNotOptimize(midiFileBytes(recorded.events, recorded.tempoMicros));
  }
}
BENCHMARK(BM_RecordAndWriteMidi)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  // The WAV render once, timed by the wall clock against the length of the song.
  const std::optional<std::string> soundFont = findSoundFont();
  if (!soundFont) {
    std::printf("WAV export: no sound font installed\n");
    return 0;
  }
  const RecordedSong recorded = recordSong(fullSong(), AppSettings{}, {});
  const auto path = std::filesystem::temp_directory_path() / "strumly_bench_export.wav";
  const auto start = std::chrono::steady_clock::now();
  const std::string error = exportWav(recorded.events, recorded.tempoMicros, *soundFont, path);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::filesystem::remove(path);
  if (!error.empty()) {
    std::printf("WAV export failed: %s\n", error.c_str());
    return 1;
  }
  const double songSeconds =
      static_cast<double>(recorded.events.back().tick) / 480.0 * recorded.tempoMicros / 1e6;
  std::printf("WAV export of a full play page (%.1f s of music): %.2f s, %.0fx real time (target >= 100x)\n",
              songSeconds, seconds, songSeconds / seconds);
  return 0;
}
