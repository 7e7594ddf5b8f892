// Exporting a song to disk as sound and as notes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/midi/SongExport.h"

namespace strumly {
namespace {

std::vector<unsigned char> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SongExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  // One folder per process: ctest runs the tests of this fixture side by side.
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("strumly_song_export_test." + std::to_string(::getpid()));
  // Two notes, the second a beat after the first, both released two beats in.
  const std::vector<TickedEvent> song = {{0, {0, 0x90, 60, 100, 0}},
                                         {480, {480, 0x90, 64, 100, 0}},
                                         {960, {480, 0x80, 60, 0, 0}},
                                         {960, {0, 0x80, 64, 0, 0}}};
};

TEST_F(SongExportTest, WavLastsTheSongPlusTheRingOut) {
  // Without a sound font the render is silent but as long as with one.
  ASSERT_EQ(exportWav(song, 600000, "", dir / "song.wav"), "");
  const auto bytes = readAll(dir / "song.wav");
  ASSERT_GE(bytes.size(), 44u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  // 960 ticks at 0.6 s a beat is 1.2 s, then 1.5 s of tail: 2.7 s of 4-byte stereo frames. The
  // last event may move by half a 64-frame render block.
  const double frames = static_cast<double>(bytes.size() - 44) / 4;
  EXPECT_NEAR(frames, 2.7 * 44100, 32);
  EXPECT_FALSE(std::filesystem::exists(dir / "song.wav.tmp"));

  EXPECT_NE(exportWav(song, 600000, (dir / "missing.sf2").string(), dir / "silent.wav"), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "silent.wav"));
}

TEST_F(SongExportTest, MidiFileCarriesTheTempo) {
  ASSERT_EQ(exportMidi(song, 600000, dir / "song.mid"), "");
  const auto bytes = readAll(dir / "song.mid");
  ASSERT_GE(bytes.size(), 29u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MThd");
  EXPECT_EQ(std::string(bytes.begin() + 14, bytes.begin() + 18), "MTrk");
  // 600000 = 0x0927C0 after FF 51 03 at the start of the track.
  EXPECT_EQ(bytes[26], 0x09);
  EXPECT_EQ(bytes[27], 0x27);
  EXPECT_EQ(bytes[28], 0xC0);
}

}  // namespace
}  // namespace strumly
