// The audio input: real ALSA capture from the "null" device (silence, in 10 ms blocks), a source
// that cannot be opened, a device that stops delivering (told once, capture ended) and a machine
// with nothing to capture from.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "platform/audio/CaptureInput.h"

using namespace strumly;

namespace {

std::vector<std::unique_ptr<CaptureBackend>> alsaOnly() {
  std::vector<std::unique_ptr<CaptureBackend>> list;
  list.push_back(makeAlsaCaptureBackend());
  return list;
}

template <class Done>
bool waitFor(Done done) {
  for (int i = 0; i < 400 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return done();
}

// Delivers a ramp in `blocks` blocks, then reports the device gone.
class VanishingStream : public CaptureStream {
 public:
  explicit VanishingStream(int blocks) : left_(blocks) {}
  long read(float* samples, std::size_t count) override {
    if (left_-- <= 0) return -1;
    for (std::size_t i = 0; i < count; ++i) samples[i] = 0.5f;
    return static_cast<long>(count);
  }
  int sampleRate() const override { return 44100; }

 private:
  int left_;
};

class FakeBackend : public CaptureBackend {
 public:
  explicit FakeBackend(bool present) : present_(present) {}
  std::string name() const override { return "fake"; }
  bool available(std::string& whyNot) override {
    if (!present_) whyNot = "nothing is plugged in";
    return present_;
  }
  std::vector<AudioSourceInfo> sources() override { return {{"", "Fake mic"}, {"line", "Fake line in"}}; }
  std::unique_ptr<CaptureStream> open(const std::string&, std::string&) override {
    return std::make_unique<VanishingStream>(3);
  }

 private:
  bool present_;
};

std::vector<std::unique_ptr<CaptureBackend>> fake(bool present) {
  std::vector<std::unique_ptr<CaptureBackend>> list;
  list.push_back(std::make_unique<FakeBackend>(present));
  return list;
}

}  // namespace

TEST(AudioInput, AlsaNullDeviceCapturesSilenceInTenMillisecondBlocks) {
  CaptureInput input(alsaOnly());
  std::atomic<int> blocks{0};
  std::atomic<std::size_t> largest{0};
  std::atomic<bool> loud{false};
  std::atomic<int> lost{0};
  ASSERT_TRUE(input.start(
      "alsa:null",
      [&](const float* s, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) loud = loud || s[i] != 0.0f;
        largest = std::max(largest.load(), n);
        ++blocks;
      },
      [&](const std::string&) { ++lost; }))
      << input.error();
  EXPECT_TRUE(waitFor([&] { return blocks.load() >= 10; }));
  input.stop();
  EXPECT_FALSE(input.isRunning());
  EXPECT_EQ(input.sampleRate(), 48000);
  EXPECT_EQ(largest.load(), 480u);  // 10 ms at 48 kHz
  EXPECT_FALSE(loud.load());
  EXPECT_EQ(lost.load(), 0);
  const int after = blocks.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(blocks.load(), after);  // no block after stop() returned
}

TEST(AudioInput, MissingAndVanishingDevices) {
  {
    CaptureInput input(alsaOnly());
    EXPECT_FALSE(input.start("alsa:no_such_capture_device", {}, {}));
    EXPECT_NE(input.error().find("no_such_capture_device"), std::string::npos);
    EXPECT_FALSE(input.isRunning());
    EXPECT_FALSE(input.start("usb:mic", {}, {}));  // a back-end this build does not have
  }
  {
    CaptureInput input(fake(true));
    EXPECT_EQ(input.unavailableReason(), "");
    const auto sources = input.sources();
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0].id, "");
    EXPECT_EQ(sources[0].description, "System default (Fake mic)");
    EXPECT_EQ(sources[1].id, "fake:line");
    std::atomic<int> blocks{0};
    std::mutex m;
    std::vector<std::string> reasons;
    ASSERT_TRUE(input.start(
        "fake:line", [&](const float*, std::size_t n) { blocks += n == 441 ? 1 : 100; },
        [&](const std::string& why) {
          std::lock_guard lock(m);
          reasons.push_back(why);
        }));
    EXPECT_TRUE(waitFor([&] { return !input.isRunning(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    input.stop();
    EXPECT_EQ(blocks.load(), 3);  // three 10 ms blocks at 44.1 kHz, then the device was gone
    std::lock_guard lock(m);
    EXPECT_EQ(reasons.size(), 1u);
    EXPECT_FALSE(input.error().empty());
  }
  {
    CaptureInput input(fake(false));
    EXPECT_EQ(input.unavailableReason(), "No audio input: nothing is plugged in.");
    EXPECT_TRUE(input.sources().empty());
    EXPECT_FALSE(input.start("", {}, {}));
  }
}
