// The speech player: wave parsing of our own clips and of damaged ones, volume applied to the
// samples, playback through ALSA's "null" device, a new clip cutting the old one off, and the
// silent no-op without a sound card.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/audio/PcmPlayer.h"
#include "platform/audio/WavClip.h"

using namespace strumly;

namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::vector<std::uint8_t> makeWav(int rate, int bits, const std::vector<std::uint8_t>& data,
                                  bool extraChunk = false) {
  std::vector<std::uint8_t> b;
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  put32(b, 0);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put32(b, 16);
  put16(b, 1);
  put16(b, 1);
  put32(b, static_cast<std::uint32_t>(rate));
  put32(b, static_cast<std::uint32_t>(rate * bits / 8));
  put16(b, static_cast<std::uint16_t>(bits / 8));
  put16(b, static_cast<std::uint16_t>(bits));
  if (extraChunk) {
    b.insert(b.end(), {'L', 'I', 'S', 'T'});
    put32(b, 3);  // odd size: padded to 4
    b.insert(b.end(), {'a', 'b', 'c', 0});
  }
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  put32(b, static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

WavClip silence(int milliseconds) {
  WavClip c;
  c.samples.assign(static_cast<std::size_t>(11025 * milliseconds / 1000), 128);
  return c;
}

TEST(WavClipTest, EveryShippedSpokenNoteIsMono11025Hz8Bit) {
  for (const std::string name : {"Speak_0", "Speak_1", "Speak_5", "Speak_11", "Speak_01", "Speak_010"}) {
    const auto bytes = readFile(std::string(STRUMLY_SOURCE_DIR) + "/resources/wave/" + name + ".wav");
    const auto clip = parseWav(bytes);
    ASSERT_TRUE(clip) << name;
    EXPECT_EQ(clip->sampleRate, 11025) << name;
    EXPECT_EQ(clip->channels, 1) << name;
    EXPECT_EQ(clip->bitsPerSample, 8) << name;
    // A spoken name lasts between a tenth of a second and a second and a half.
    EXPECT_GT(clip->frameCount(), 1100u) << name;
    EXPECT_LT(clip->frameCount(), 16600u) << name;
  }
}

TEST(WavClipTest, ParsesPaddedChunksAndRefusesDamagedFiles) {
  const auto good = makeWav(11025, 8, {1, 2, 3, 4, 5}, true);
  const auto clip = parseWav(good);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->samples, (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));

  EXPECT_FALSE(parseWav(std::vector<std::uint8_t>{}));
  EXPECT_FALSE(parseWav(std::vector<std::uint8_t>(good.begin(), good.begin() + 10)));
  auto notWave = good;
  notWave[8] = 'X';
  EXPECT_FALSE(parseWav(notWave));
  auto compressed = good;
  compressed[20] = 2;  // ADPCM
  EXPECT_FALSE(parseWav(compressed));
  auto oddBits = good;
  oddBits[34] = 12;
  EXPECT_FALSE(parseWav(oddBits));
  auto hugeFmt = good;
  hugeFmt[16] = 0xFF, hugeFmt[17] = 0xFF, hugeFmt[18] = 0xFF, hugeFmt[19] = 0x7F;
  EXPECT_FALSE(parseWav(hugeFmt));  // a chunk size past the end is not followed

  // A data chunk cut short keeps what is there rather than reading past the end.
  auto truncated = good;
  truncated.resize(truncated.size() - 2);
  const auto cut = parseWav(truncated);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->samples.size(), 3u);
}

TEST(WavClipTest, VolumeScalesOurSamplesAroundTheirCentre) {
  WavClip c8;
  c8.samples = {0, 128, 255, 64};
  EXPECT_EQ(scaledClip(c8, 255).samples, c8.samples);
  EXPECT_EQ(scaledClip(c8, 0).samples, (std::vector<std::uint8_t>{128, 128, 128, 128}));
  const auto half = scaledClip(c8, 128).samples;
  EXPECT_EQ(half[1], 128);
  EXPECT_NEAR(half[0], 64, 1);
  EXPECT_NEAR(half[2], 191, 1);
  EXPECT_EQ(scaledClip(c8, 999).samples, c8.samples);  // clamped to 255

  WavClip c16;
  c16.bitsPerSample = 16;
  c16.samples = {0x00, 0x80, 0xFF, 0x7F, 0x00, 0x00};  // -32768, 32767, 0
  const auto quiet = scaledClip(c16, 51).samples;      // a fifth
  const auto s0 = static_cast<std::int16_t>(quiet[0] | quiet[1] << 8);
  const auto s1 = static_cast<std::int16_t>(quiet[2] | quiet[3] << 8);
  EXPECT_NEAR(s0, -6553, 2);
  EXPECT_NEAR(s1, 6553, 2);
  EXPECT_EQ(quiet[4] | quiet[5] << 8, 0);
}

TEST(PcmPlayerTest, WithoutASoundCardEveryCallIsASilentNoOp) {
  PcmPlayer player("strumly-no-such-device");
  player.play(silence(50));
  EXPECT_TRUE(player.waitIdle(2000));
  EXPECT_TRUE(player.deviceFailed());
  player.play(silence(50));  // refused at once now
  player.stop();
  EXPECT_FALSE(player.isPlaying());
  EXPECT_EQ(player.clipsFinished(), 0);
}

TEST(PcmPlayerTest, PlaysAClipToTheEndOnTheNullDevice) {
  PcmPlayer player("null");
  player.play(silence(200));
  ASSERT_TRUE(player.waitIdle(5000));
  // alsa-lib always defines "null"; a failure here is the player's, not the machine's.
  ASSERT_FALSE(player.deviceFailed());
  EXPECT_EQ(player.clipsFinished(), 1);
  EXPECT_EQ(player.clipsInterrupted(), 0);
}

// An output that takes frames at the pace of a sound card, so clips take their real time.
class PacedSink : public PcmSink {
 public:
  std::atomic<long> framesWritten{0};
  std::atomic<int> drops{0};
  bool configure(int rate, int, int) override {
    rate_ = rate;
    return true;
  }
  void prepare() override {}
  long write(const std::uint8_t*, std::size_t count) override {
    std::this_thread::sleep_for(std::chrono::microseconds(1000000L * static_cast<long>(count) / rate_));
    framesWritten += static_cast<long>(count);
    return static_cast<long>(count);
  }
  long pendingFrames() override { return 0; }
  void drop() override { ++drops; }

 private:
  int rate_ = 11025;
};

TEST(PcmPlayerTest, ANewClipCutsTheSoundingOneOffAndStopSilencesIt) {
  auto owned = std::make_unique<PacedSink>();
  PacedSink& sink = *owned;
  PcmPlayer player(std::move(owned));
  // A three-second clip, then a short one as soon as the first is under way.
  player.play(silence(3000));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  player.play(silence(100));
  ASSERT_TRUE(player.waitIdle(5000));
  EXPECT_EQ(player.clipsInterrupted(), 1);
  EXPECT_EQ(player.clipsFinished(), 1);
  EXPECT_LT(sink.framesWritten.load(), 3 * 11025L);  // the long clip did not play out

  player.play(silence(3000));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  player.stop();
  ASSERT_TRUE(player.waitIdle(2000));
  EXPECT_EQ(player.clipsInterrupted(), 2);
  EXPECT_GE(sink.drops.load(), 2);
  EXPECT_FALSE(player.isPlaying());
}

TEST(PcmPlayerTest, TheSpeechVolumeIsAppliedToTheSamplesPlayed) {
  class CapturingSink : public PacedSink {
   public:
    std::vector<std::uint8_t> seen;
    long write(const std::uint8_t* frames, std::size_t count) override {
      seen.insert(seen.end(), frames, frames + count);
      return static_cast<long>(count);
    }
  };
  auto owned = std::make_unique<CapturingSink>();
  CapturingSink& sink = *owned;
  PcmPlayer player(std::move(owned));
  player.setVolume(0);
  WavClip loud;
  loud.samples.assign(1000, 255);
  player.play(loud);
  ASSERT_TRUE(player.waitIdle(2000));
  ASSERT_EQ(sink.seen.size(), 1000u);
  EXPECT_EQ(sink.seen.front(), 128);
  EXPECT_EQ(player.volume(), 0);
  player.setVolume(300);
  EXPECT_EQ(player.volume(), 255);
}

// The listeners' reading of a wave file: 24-bit stereo mixes down to the channels' mean, 32-bit
// float (in the extensible format) is taken as it is; other encodings and empty files are refused
// with the reason.
TEST(WavMonoTest, IntegerAndFloatSamplesMixDownAndOtherFilesAreRefusedWithTheReason) {
  const auto wav = [](std::uint16_t tag, int channels, int bits, std::vector<std::uint8_t> data) {
    const bool extensible = tag == 0xFFFE;
    std::vector<std::uint8_t> b = {'R',
                                   'I',
                                   'F',
                                   'F',
                                   0,
                                   0,
                                   0,
                                   0,
                                   'W',
                                   'A',
                                   'V',
                                   'E',
                                   'f',
                                   'm',
                                   't',
                                   ' ',
                                   static_cast<std::uint8_t>(extensible ? 40 : 16),
                                   0,
                                   0,
                                   0};
    const auto put16 = [&b](int v) {
      b.push_back(static_cast<std::uint8_t>(v));
      b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    const auto put32 = [&](int v) {
      put16(v & 0xFFFF);
      put16(v >> 16);
    };
    put16(tag);
    put16(channels);
    put32(48000);
    put32(48000 * channels * bits / 8);
    put16(channels * bits / 8);
    put16(bits);
    if (extensible) {
      put16(22);
      put16(bits);
      put32(0);
      put16(3);  // sub-format: IEEE float
      for (int i = 0; i < 14; ++i) b.push_back(0);
    }
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(static_cast<int>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
  };
  // Left +0.5 (0x400000), right -0.25 (0xE00000): the mean is +0.125.
  const WavMonoResult stereo = decodeWavMono(wav(1, 2, 24, {0x00, 0x00, 0x40, 0x00, 0x00, 0xE0}));
  ASSERT_EQ(stereo.error, "");
  EXPECT_EQ(stereo.sampleRate, 48000);
  ASSERT_EQ(stereo.mono.size(), 1u);
  EXPECT_FLOAT_EQ(stereo.mono[0], 0.125f);
  // 0x3F400000 is 0.75.
  const WavMonoResult floating = decodeWavMono(wav(0xFFFE, 1, 32, {0x00, 0x00, 0x40, 0x3F}));
  ASSERT_EQ(floating.error, "");
  ASSERT_EQ(floating.mono.size(), 1u);
  EXPECT_FLOAT_EQ(floating.mono[0], 0.75f);

  EXPECT_EQ(decodeWavMono(wav(6, 1, 8, {0x55})).error, "is not PCM");  // A-law
  EXPECT_EQ(decodeWavMono(wav(1, 1, 16, {})).error, "has no samples");
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'};
  EXPECT_EQ(decodeWavMono(text).error, "is not a WAV file");
  // The speech player still takes only what it can play.
  EXPECT_FALSE(parseWav(wav(1, 2, 24, {0x00, 0x00, 0x40, 0x00, 0x00, 0xE0})));
}

}  // namespace
