// The system's devices as this machine has them: the built-in synth is always there, the
// sequencer's ports only when a sequencer exists.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/midi/FluidSynthOutput.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/SoundFontLocator.h"

namespace strumly {
namespace {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(MidiDevicesTest, BuiltInSynthIsDeviceZeroAndEnumerationNeverFails) {
  MidiLibrary library(std::make_unique<SystemMidiDevices>(false), std::make_unique<VirtualMidiClock>());
  const std::uint32_t outputs = library.GetNumOutDevices();
  ASSERT_GE(outputs, 1u);
  std::string name;
  ASSERT_NE(library.GetMidiOutDescription(0, name), 0u);
  EXPECT_NE(name.find("Strumly Synth"), std::string::npos);
  EXPECT_LT(name.size(), MidiLibrary::kDescriptionSize);
  for (std::uint32_t i = 1; i < outputs; ++i) EXPECT_NE(library.GetMidiOutDescription(i, name), 0u);
  const std::uint32_t inputs = library.GetNumInDevices();
  if (!std::filesystem::exists("/dev/snd/seq")) {
    EXPECT_EQ(outputs, 1u);
    EXPECT_EQ(inputs, 0u);
    EXPECT_EQ(library.OpenMidiIn(nullptr, 0, 0, 0x13320), 0u);
  }
}

TEST(MidiDevicesTest, BuiltInSynthPlaysSilentlyWithoutSoundCardOrSoundFont) {
  ScopedEnv env("STRUMLY_SOUNDFONT", "/nonexistent/none.sf2");
  EXPECT_FALSE(findSoundFont().has_value()) << "a wrong setting is not covered by another soundfont";
  auto ownedClock = std::make_unique<VirtualMidiClock>();
  VirtualMidiClock* clock = ownedClock.get();
  MidiLibrary library(std::make_unique<SystemMidiDevices>(false), std::move(ownedClock));
  ASSERT_GE(library.GetNumOutDevices(), 1u);
  std::string name;
  ASSERT_NE(library.GetMidiOutDescription(0, name), 0u);
  EXPECT_EQ(name, SystemMidiDevices::kBuiltInSilentName);
  EXPECT_NE(library.builtInSynthStatus().find("soundfont"), std::string::npos);

  // The silent synth still takes the sequence in time, so playback runs to its end.
  std::vector<std::uint32_t> posted;
  const std::uint32_t sync = library.OpenSync(
      0, [&](std::uint32_t m, std::uint32_t) { posted.push_back(m); }, 0, 10);
  const std::uint32_t out = library.OpenMidiOut(nullptr, 0, sync, 0x13320);
  ASSERT_NE(out, 0u);
  EXPECT_EQ(library.PutMidiOut(out, MidiEvent{0, 0x90, 60, 100, 0}), 0u);
  EXPECT_EQ(library.PutMidiOut(out, MidiEvent{480, 0x80, 60, 0, 0}), 0u);
  EXPECT_EQ(library.queuedEvents(out), 2u);
  EXPECT_TRUE(library.StartSync(sync));
  clock->advanceBy(kDefaultTempoMicros);  // one beat: 480 ticks
  EXPECT_EQ(library.queuedEvents(out), 0u);
  EXPECT_EQ(std::count(posted.begin(), posted.end(), kMsgAllPlayed), 1);
  EXPECT_TRUE(library.StopSync(sync));
  EXPECT_TRUE(library.CloseSync(sync));
  EXPECT_TRUE(library.CloseMidiOut(out));
}

TEST(MidiDevicesTest, SoundFontOverrideIsUsedWhenItExists) {
  const auto system = findSoundFont();
  ASSERT_TRUE(system) << "no soundfont installed (scripts/setup-deps.sh installs one)";
  // Under a name of its own, so only the setting can have found it.
  const auto link =
      std::filesystem::temp_directory_path() / ("strumly-override-" + std::to_string(getpid()) + ".sf2");
  std::filesystem::remove(link);
  std::filesystem::create_symlink(*system, link);
  {
    ScopedEnv env("STRUMLY_SOUNDFONT", link.c_str());
    EXPECT_EQ(findSoundFont(), link.string());
    FluidSynthOutput synth(*findSoundFont(), false);
    EXPECT_TRUE(synth.hasSoundFont());
    EXPECT_FALSE(synth.hasAudio());
    EXPECT_TRUE(synth.status().empty()) << "kept off the sound card on purpose is not a problem";
  }
  std::filesystem::remove(link);
}

}  // namespace
}  // namespace strumly
