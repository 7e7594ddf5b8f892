// Offline rendering through the real synth: the notes must sound where the sequence puts them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/midi/OfflineRenderer.h"
#include "platform/midi/SoundFontLocator.h"

namespace strumly {
namespace {

// Frames where the sound rises out of silence: the first frame above `threshold` after at least
// `quietFrames` frames below it.
std::vector<std::size_t> onsets(const RenderedAudio& audio, int threshold, std::size_t quietFrames) {
  std::vector<std::size_t> found;
  std::size_t quiet = quietFrames;
  for (std::size_t f = 0; f < audio.frames(); ++f) {
    const int level = std::max(std::abs(int{audio.samples[2 * f]}), std::abs(int{audio.samples[2 * f + 1]}));
    if (level >= threshold) {
      if (quiet >= quietFrames) found.push_back(f);
      quiet = 0;
    } else {
      ++quiet;
    }
  }
  return found;
}

class MidiRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto soundFont = findSoundFont();
    ASSERT_TRUE(soundFont) << "no General MIDI soundfont installed (scripts/setup-deps.sh installs one)";
    renderer = std::make_unique<OfflineRenderer>(*soundFont);
    ASSERT_TRUE(renderer->hasSoundFont());
  }
  std::unique_ptr<OfflineRenderer> renderer;
};

TEST_F(MidiRenderTest, NoteOnsetsSitWithinAMillisecondOfTheirTimes) {
  // Short piano notes separated by silence, at a tempo whose ticks do not fall on render blocks.
  // Each onset is measured from the start of the render against the time its note was due, so a
  // delay common to all notes counts too. Between the notes the output is exactly zero, so the
  // detector takes the first sample that moves: the piano's attack needs well under a millisecond
  // to get there, where a louder threshold would wait for it for some milliseconds.
  const std::uint32_t tempo = 437000;
  std::vector<MidiEvent> events = {{0, 0xC0, 0, 0, 0}};
  std::vector<double> dueMicros;
  std::uint64_t tick = 0;
  const std::uint32_t gaps[] = {0, 333, 517, 480, 401, 700, 599, 455, 1001};
  for (std::uint32_t gap : gaps) {
    events.push_back({gap, 0x90, 72, 110, 0});
    tick += gap;
    dueMicros.push_back(static_cast<double>(tick) * tempo / 480.0);
    events.push_back({80, 0x80, 72, 0, 0});  // short: the note has died away before the next
    events.push_back({0, 0xB0, 120, 0, 0});  // all sound off, so the gap is true silence
    tick += 80;
  }
  RenderOptions options;
  options.tempoMicros = tempo;
  options.effects = false;
  const RenderedAudio audio = renderer->render(events, options);
  const auto found = onsets(audio, 1, 2000);
  ASSERT_EQ(found.size(), dueMicros.size());
  for (std::size_t i = 0; i < found.size(); ++i)
    EXPECT_NEAR(found[i] * 1e6 / RenderedAudio::kSampleRate, dueMicros[i], 1000.0) << "note " << i;
}

TEST_F(MidiRenderTest, RendersStereoWavWithTheTailAndFasterThanItPlays) {
  std::vector<MidiEvent> events = {{0, 0xC0, 25, 0, 0}};
  for (std::uint8_t note : {40, 45, 50, 55, 59, 64}) events.push_back({30, 0x90, note, 100, 0});
  for (std::uint8_t note : {40, 45, 50, 55, 59, 64})
    events.push_back({note == 40 ? 800u : 0u, 0x80, note, 0, 0});
  RenderOptions options;
  options.tempoMicros = 500000;
  options.tailSeconds = 1.0;
  const RenderedAudio audio = renderer->render(events, options);
  // 980 ticks at 120 bpm, then the tail.
  EXPECT_NEAR(audio.seconds(), 980 * 500000.0 / 480 / 1e6 + 1.0, 0.01);
  int peak = 0;
  for (std::int16_t s : audio.samples) peak = std::max(peak, std::abs(int{s}));
  EXPECT_GT(peak, 1000) << "the chord is audible";

  const auto path = std::filesystem::temp_directory_path() / "strumly_render_test.wav";
  ASSERT_TRUE(writeWav(path.string(), audio));
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  ASSERT_EQ(bytes.size(), 44 + audio.samples.size() * 2);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(bytes[22], 2);                         // stereo
  EXPECT_EQ(bytes[24] | (bytes[25] << 8), 44100);  // sample rate
  EXPECT_EQ(bytes[34], 16);                        // bits per sample
  const std::uint32_t dataSize = bytes[40] | (bytes[41] << 8) | (bytes[42] << 16) | (bytes[43] << 24);
  EXPECT_EQ(dataSize, audio.samples.size() * 2);
}

TEST(MidiRenderNoSoundFontTest, WithoutSoundFontTheRenderIsSilentButComplete) {
  OfflineRenderer renderer("");
  EXPECT_FALSE(renderer.hasSoundFont());
  const std::vector<MidiEvent> events = {{0, 0x90, 60, 100, 0}, {480, 0x80, 60, 0, 0}};
  RenderOptions options;
  options.tailSeconds = 0.5;
  const RenderedAudio audio = renderer.render(events, options);
  EXPECT_NEAR(audio.seconds(), 1.0, 0.01);
  for (std::int16_t s : audio.samples) ASSERT_EQ(s, 0);
}

TEST(MidiRenderNoSoundFontTest, WavWriteToAnImpossiblePathFails) {
  RenderedAudio audio;
  audio.samples.assign(100, 0);
  EXPECT_FALSE(writeWav("/nonexistent-dir/x.wav", audio));
}

}  // namespace
}  // namespace strumly
