// Reading the run's settings from Kv.ini and writing back the shutdown values.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/settings/AppSettingsStore.h"

namespace fs = std::filesystem;
using namespace strumly;

namespace {

class AppSettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("strumly_settings_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "Kv.ini").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  AppSettingsStore store(const std::string& text) {
    std::ofstream(path_, std::ios::binary) << text;
    return AppSettingsStore(IniFile(path_), "/opt/strumly/");
  }
  fs::path dir_;
  std::string path_;
};

TEST_F(AppSettingsStoreTest, MissingFileGivesEveryDefault) {
  AppSettingsStore s(IniFile((dir_ / "none.ini").string()), "/opt/strumly/");
  const AppSettings a = s.load();
  EXPECT_EQ(a.midi.guitarPatch, 25);
  EXPECT_EQ(a.midi.bassPatch, 33);
  EXPECT_EQ(a.midi.guitarChannel, 0);
  EXPECT_EQ(a.midi.bassChannel, 1);
  EXPECT_EQ(a.midi.clickChannel, 9);
  EXPECT_EQ(a.midi.clickNote, 34);
  EXPECT_EQ(a.midi.clickVolume, 65);
  EXPECT_EQ(a.strumSpeed, -300);
  EXPECT_EQ(a.scaleFrets, 5);
  EXPECT_EQ(a.countOffMeasures, 1);
  EXPECT_EQ(a.fretlight.rootSpeed, 350);
  EXPECT_TRUE(a.fretlight.animate);
  EXPECT_TRUE(a.playPageTinyFont);
  EXPECT_EQ(a.speechVolume, 130);
  EXPECT_EQ(a.folders.chord, "/opt/strumly/Chord");
  EXPECT_EQ(a.folders.tabRaw, "/opt/strumly/Tab/Raw");
  EXPECT_TRUE(a.userChordNames.empty());
  EXPECT_TRUE(s.webSites().empty());
  EXPECT_TRUE(s.generalMidiNames().empty());
}

TEST_F(AppSettingsStoreTest, ValuesAreReadWithHexAndGarbageRules) {
  const AppSettings a = store(
                            "[Guitar]\nPatch=0x1A\nChannel=abc\n[Bass]\nPatch=abc\n[Main]\nLeftHand="
                            "2\nSspeed=-650\nSpeechOn=1\n"
                            "[Directory]\nChord=/home/me/chords\n[Fretlight]\nReverseSwitch=1\nSwitch1=3\n")
                            .load();
  EXPECT_EQ(a.midi.guitarPatch, 26);
  EXPECT_EQ(a.midi.guitarChannel, 0);
  EXPECT_EQ(a.midi.bassPatch, 33);
  EXPECT_TRUE(a.leftHanded);
  EXPECT_EQ(a.strumSpeed, -650);
  EXPECT_TRUE(a.speechOn);
  EXPECT_EQ(a.folders.chord, "/home/me/chords");
  EXPECT_EQ(a.folders.play, "/opt/strumly/Play");
  EXPECT_EQ(a.fretlight.switch1, 3);
  EXPECT_EQ(a.fretlight.switch1Bit(), 2);
  EXPECT_EQ(a.fretlight.switch2Bit(), 1);
}

TEST_F(AppSettingsStoreTest, UserChordNamesComeFromTheNumberedSectionsInOrder) {
  const AppSettings a = store("[UserChords]\nNumber=3\n[62]\nName=add9no3\n[64]\nName=quartal\n").load();
  EXPECT_EQ(a.userChordNames, (std::vector<std::string>{"add9no3", "NONAME", "quartal"}));
  // A negative or huge count must neither loop nor flood the list.
  EXPECT_TRUE(store("[UserChords]\nNumber=-4\n").load().userChordNames.empty());
  EXPECT_EQ(store("[UserChords]\nNumber=2000000000\n").load().userChordNames.size(), 1000u);
}

TEST_F(AppSettingsStoreTest, ShutdownWritesOnlyItsOwnValuesAndTheyReadBack) {
  AppSettingsStore s = store("[Guitar]\nPatch=40\n[Main]\nLeftHand=2\n");
  AppSettings a = s.load();
  a.strumSpeed = -120;
  a.bassNote = true;
  a.showFullScale = true;
  a.fretlight.showFlash = true;
  a.folders.tab = "/data/tabs";
  a.midi.guitarPatch = 1;  // the preferences dialog's value: not written at shutdown
  s.saveShutdownValues(a);
  const AppSettings b = s.load();
  EXPECT_EQ(b.strumSpeed, -120);
  EXPECT_TRUE(b.bassNote);
  EXPECT_TRUE(b.showFullScale);
  EXPECT_TRUE(b.fretlight.showFlash);
  EXPECT_EQ(b.folders.tab, "/data/tabs");
  EXPECT_EQ(b.midi.guitarPatch, 40);
  EXPECT_EQ(s.file().readString("Main", "LeftHand", ""), "1");  // 2 is written back as 1
}

TEST_F(AppSettingsStoreTest, WebSitesAndInstrumentNamesKeepFileOrder) {
  AppSettingsStore s = store(
      "[WebSites]\nNumber=2\n1=Lessons\n1A=https://example.org/lessons\n2=Tabs\n2A=https://example.org/tabs\n"
      "[General MIDI]\n001 Acoustic Grand Piano=\n002 Bright Acoustic Piano=\n");
  const auto sites = s.webSites();
  ASSERT_EQ(sites.size(), 2u);
  EXPECT_EQ(sites[1].caption, "Tabs");
  EXPECT_EQ(sites[1].address, "https://example.org/tabs");
  EXPECT_EQ(s.generalMidiNames(),
            (std::vector<std::string>{"001 Acoustic Grand Piano", "002 Bright Acoustic Piano"}));
}

TEST_F(AppSettingsStoreTest, TheShippedSettingsFileListsAllGeneralMidiInstruments) {
  AppSettingsStore s(IniFile(std::string(STRUMLY_SOURCE_DIR) + "/data/Kv.ini"), "/x/");
  const auto names = s.generalMidiNames();
  ASSERT_EQ(names.size(), 128u);
  EXPECT_EQ(names[25], "026 Acoustic Guitar (steel)");  // the default guitar patch
  EXPECT_EQ(names[33], "034 Electric Bass (finger)");   // the default bass patch
  EXPECT_EQ(s.load().midi.guitarPatch, 25);
  EXPECT_GT(s.webSites().size(), 0u);
}

}  // namespace
