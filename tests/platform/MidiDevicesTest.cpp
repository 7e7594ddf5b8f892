// The system's devices as this machine has them: the built-in synth is always there, the
// sequencer's ports only when a sequencer exists.
#include <gtest/gtest.h>

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
  MidiLibrary library(std::make_unique<SystemMidiDevices>(false), std::make_unique<VirtualMidiClock>());
  ASSERT_EQ(library.GetNumOutDevices() >= 1, true);
  std::string name;
  library.GetMidiOutDescription(0, name);
  EXPECT_EQ(name, SystemMidiDevices::kBuiltInSilentName);
  EXPECT_NE(library.builtInSynthStatus().find("soundfont"), std::string::npos);

  std::vector<std::uint32_t> posted;
  const std::uint32_t sync = library.OpenSync(
      0, [&](std::uint32_t m, std::uint32_t) { posted.push_back(m); }, 0, 10);
  const std::uint32_t out = library.OpenMidiOut(nullptr, 0, sync, 0x13320);
  ASSERT_NE(out, 0u);
  EXPECT_EQ(library.PutMidiOut(out, MidiEvent{0, 0x90, 60, 100, 0}), 0u);
  EXPECT_EQ(library.PutMidiOut(out, MidiEvent{480, 0x80, 60, 0, 0}), 0u);
  EXPECT_TRUE(library.StartSync(sync));
  EXPECT_TRUE(library.StopSync(sync));
  EXPECT_TRUE(library.CloseSync(sync));
  EXPECT_TRUE(library.CloseMidiOut(out));
}

TEST(MidiDevicesTest, SoundFontOverrideIsUsedWhenItExists) {
  const auto system = findSoundFont();
  if (!system) GTEST_SKIP() << "no soundfont installed";
  ScopedEnv env("STRUMLY_SOUNDFONT", system->c_str());
  EXPECT_EQ(findSoundFont(), system);
  FluidSynthOutput synth(*system, false);
  EXPECT_TRUE(synth.hasSoundFont());
  EXPECT_FALSE(synth.hasAudio());
  EXPECT_TRUE(synth.status().empty()) << "kept off the sound card on purpose is not a problem";
  synth.playNow({0x90, 60, 100});
  synth.play({{0x80, 60, 0}, 0, 0, 0});
  synth.silence(0xFFFF);
}

}  // namespace
}  // namespace strumly
