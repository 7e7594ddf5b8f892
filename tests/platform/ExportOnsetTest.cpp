// A play page exported as sound, end to end: every chord must start within a millisecond of the
// time its slot gives it, although the export renders with reverb and chorus.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/playback/SongRecording.h"
#include "platform/midi/SongExport.h"

namespace strumly {
namespace {

constexpr int kRate = 44100;
// 97 beats per minute is 60 000 000 / 97 = 618556 whole microseconds a beat (the clock takes
// whole microseconds); a tick is a 480th of that. Its slot times fall between the synth's
// 64-frame render blocks.
constexpr int kBpm = 97;
constexpr double kMicrosPerTick = 618556.0 / 480;
// The chord peaks near 4000; this level is well clear of the reverb tails and low enough to be
// reached early in the attack.
constexpr int kLoud = 1000;

// An open C (x32010), C3 E3 G3 C4 E4.
ChordDiagram openC() {
  ChordDiagram c;
  c.empty = 0;
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  c.pitches = {64, 60, 55, 52, 48, 0};
  return c;
}

// Per frame of a 16-bit stereo WAV, the louder channel's magnitude.
std::vector<int> frameLevels(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<int> levels;
  if (b.size() < 44 || b[22] != 2 || (b[24] | (b[25] << 8)) != kRate || b[34] != 16) {
    ADD_FAILURE() << path << " is not 44.1 kHz 16-bit stereo";
    return levels;
  }
  for (std::size_t i = 44; i + 3 < b.size(); i += 4) {
    const int left = static_cast<std::int16_t>(b[i] | (b[i + 1] << 8));
    const int right = static_cast<std::int16_t>(b[i + 2] | (b[i + 3] << 8));
    levels.push_back(std::max(std::abs(left), std::abs(right)));
  }
  return levels;
}

// Frames where a chord starts: the first frame reaching kLoud after 40 ms in which everything
// stayed below an eighth of it, a rise of at least 18 dB. The last 10 ms before the frame are
// not judged, since the attack climbs through them. A plain silence detector would not do: the
// reverb and the release of the chord before never fall back to zero between the chords.
std::vector<std::size_t> chordOnsets(const std::vector<int>& levels) {
  constexpr std::size_t kGuard = kRate / 100;
  constexpr std::size_t kCalm = kRate * 4 / 100;
  std::vector<std::size_t> found;
  for (std::size_t f = 0; f < levels.size(); ++f) {
    if (levels[f] < kLoud) continue;
    const std::size_t end = f > kGuard ? f - kGuard : 0;
    const std::size_t begin = end > kCalm ? end - kCalm : 0;
    if (std::all_of(levels.begin() + begin, levels.begin() + end, [](int l) { return l < kLoud / 8; })) {
      found.push_back(f);
      f += kGuard;  // past the guard, the frame just found lies in the window
    }
  }
  return found;
}

class ExportOnsetTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::vector<int> exported(const RecordedSong& song, const std::string& name) {
    EXPECT_EQ(exportRecordedSong(song, true, dir / name), "")
        << "a General MIDI sound font must be installed";
    return frameLevels(dir / name);
  }

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("strumly_export_onset_test." + std::to_string(::getpid()));
};

TEST_F(ExportOnsetTest, EveryChordSoundsWhereItsSlotIsAndTheFileEndsWithTheRingOut) {
  // The detector crosses kLoud some milliseconds into the attack of the sound font's guitar. The
  // same chord struck at time 0, with the player's patch and velocity, measures that delay once.
  RecordedSong alone;
  alone.tempoMicros = tempoMicrosForBpm(kBpm);
  alone.events.push_back({0, {0, 0xC0, 25, 0, 0}});
  for (std::uint8_t pitch : {48, 52, 55, 60, 64}) alone.events.push_back({0, {0, 0x90, pitch, 100, 0}});
  for (std::uint8_t pitch : {48, 52, 55, 60, 64}) alone.events.push_back({1920, {0, 0x80, pitch, 100, 0}});
  const std::vector<std::size_t> attack = chordOnsets(exported(alone, "alone.wav"));
  ASSERT_EQ(attack.size(), 1u);

  // Chords on even and odd slots, far enough apart that each has sounded its eight slots and rung
  // out before the next. Strum speed 0 strikes all strings together, so each chord has one attack.
  // A chord starts 20 ticks into its slot, after the beat's click; slots are 240 ticks.
  PlayPageSong song;
  song.tempoBpm = kBpm;
  song.strumSpeed = 0;
  const int slots[] = {0, 17, 35, 52};
  for (int slot : slots) song.slots[slot] = openC();
  const std::vector<int> levels = exported(recordSong(song, AppSettings{}, {}), "song.wav");
  const std::vector<std::size_t> found = chordOnsets(levels);
  ASSERT_EQ(found.size(), std::size(slots));
  for (std::size_t i = 0; i < found.size(); ++i) {
    const double dueMicros = (slots[i] * 240 + 20) * kMicrosPerTick;
    const double heardMicros = static_cast<double>(found[i] - attack[0]) * 1e6 / kRate;
    EXPECT_NEAR(heardMicros, dueMicros, 1000.0) << "the chord of slot " << slots[i];
  }

  // Exactly zero until the first chord is due (less the millisecond it may come early).
  const auto firstDue = static_cast<std::size_t>((20 * kMicrosPerTick - 1000) * kRate / 1e6);
  EXPECT_TRUE(std::all_of(levels.begin(), levels.begin() + firstDue, [](int l) { return l == 0; }));

  // The last chord is released eight slots after it starts, then 1.5 s ring out. The release may
  // move by half a 64-frame render block.
  const double endMicros = ((slots[3] + 8) * 240 + 20) * kMicrosPerTick + 1.5e6;
  EXPECT_NEAR(static_cast<double>(levels.size()), endMicros * kRate / 1e6, 32.0);
}

TEST_F(ExportOnsetTest, SoftAndLoudSongsBothPeakAtMinusOneDbfs) {
  // -1 dBFS is 0.891 of full scale: 29 200 of 32 767. A single quiet note, and a page full of
  // strummed G chords with bass and click, whose six strings ring together near full scale.
  RecordedSong soft;
  soft.tempoMicros = 500000;
  soft.events = {{0, {0, 0xC0, 25, 0, 0}}, {0, {0, 0x90, 64, 40, 0}}, {960, {0, 0x80, 64, 0, 0}}};
  PlayPageSong loud;
  loud.bass = true;
  ChordDiagram g;
  g.empty = 0;
  g.strings = {StringFret{3, 4}, {0, 0}, {0, 0}, {0, 0}, {2, 1}, {3, 2}};
  g.pitches = {67, 59, 55, 50, 47, 43};
  g.bass = 31;
  loud.slots.fill(g);
  for (const auto& [song, name] :
       {std::pair{soft, "soft.wav"},
        std::pair{recordSong(loud, AppSettings{}, {.countOff = false, .click = true}), "loud.wav"}}) {
    const std::vector<int> levels = exported(song, name);
    ASSERT_FALSE(levels.empty()) << name;
    EXPECT_NEAR(*std::max_element(levels.begin(), levels.end()), 29200, 150) << name;
  }
}

}  // namespace
}  // namespace strumly
