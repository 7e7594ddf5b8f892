// Reading the run's settings from Kv.ini and writing back the values of the shutdown and of the
// preferences dialog.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
  // The file as written, line ends as plain '\n'.
  std::string fileText() const {
    std::ifstream in(path_, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    std::erase(text, '\r');
    return text;
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
  EXPECT_TRUE(a.userChords.empty());
  EXPECT_EQ(a.tabTimingChars, ".=qes");
  EXPECT_EQ(a.tabInsertFile, "/opt/strumly/insertsection.tab");
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

TEST_F(AppSettingsStoreTest, EveryKeyIsReadIntoItsOwnValue) {
  const AppSettings a =
      store(
          "[MidiIn]\nDevice=1\n[MidiOut]\nDevice=7\n"
          "[Guitar]\nPatch=24\nChannel=5\nVolume=90\n[Bass]\nPatch=32\nChannel=11\nVolume=80\n"
          "[Click]\nChannel=10\nNote=76\nVolume=40\n"
          "[Main]\nBass=1\nSspeed=-500\nLeftHand=0\nShowFull=1\nPPTinyFont=0\nCDTinyFont=1\n"
          "SpeechVol=200\nSpeechOn=0\n"
          "[Directory]\nChord=/c\nPrint=/p\nDesign=/d\nPlay=/pl\nScale=/s\nTab=/t\nTabRaw=/tr\n"
          "[Scales]\nFrets=6\n[PlayPage]\nCountOff=3\n"
          "[Fretlight]\nAnimate=0\nShowFlash=1\nSwitch1=2\nSwitch2=4\nReverseSwitch=0\n"
          "RootSpeed=600\nFlashNote=1\nFlashStop=0\n"
          "[Tab]\nTimingChars=.-x\nInsertFile=/home/me/insert.tab\n")
          .load();
  const MidiSettings& m = a.midi;
  EXPECT_EQ(m.inDevice, 1);
  EXPECT_EQ(m.outDevice, 7);
  EXPECT_EQ(m.guitarPatch, 24);
  EXPECT_EQ(m.guitarChannel, 5);
  EXPECT_EQ(m.guitarVolume, 90);
  EXPECT_EQ(m.bassPatch, 32);
  EXPECT_EQ(m.bassChannel, 11);
  EXPECT_EQ(m.bassVolume, 80);
  EXPECT_EQ(m.clickChannel, 10);
  EXPECT_EQ(m.clickNote, 76);
  EXPECT_EQ(m.clickVolume, 40);
  EXPECT_TRUE(a.bassNote);
  EXPECT_EQ(a.strumSpeed, -500);
  EXPECT_FALSE(a.leftHanded);
  EXPECT_TRUE(a.showFullScale);
  EXPECT_FALSE(a.playPageTinyFont);
  EXPECT_TRUE(a.chordDesignTinyFont);
  EXPECT_EQ(a.speechVolume, 200);
  EXPECT_FALSE(a.speechOn);
  EXPECT_EQ(a.folders.chord, "/c");
  EXPECT_EQ(a.folders.print, "/p");
  EXPECT_EQ(a.folders.design, "/d");
  EXPECT_EQ(a.folders.play, "/pl");
  EXPECT_EQ(a.folders.scale, "/s");
  EXPECT_EQ(a.folders.tab, "/t");
  EXPECT_EQ(a.folders.tabRaw, "/tr");
  EXPECT_EQ(a.scaleFrets, 6);
  EXPECT_EQ(a.countOffMeasures, 3);
  const FretlightSettings& fl = a.fretlight;
  EXPECT_FALSE(fl.animate);
  EXPECT_TRUE(fl.showFlash);
  EXPECT_EQ(fl.switch1, 2);
  EXPECT_EQ(fl.switch2, 4);
  EXPECT_FALSE(fl.reverseSwitch);
  EXPECT_EQ(fl.rootSpeed, 600);
  EXPECT_TRUE(fl.flashNote);
  EXPECT_FALSE(fl.flashStop);
  EXPECT_EQ(a.tabTimingChars, ".-x");
  EXPECT_EQ(a.tabInsertFile, "/home/me/insert.tab");
}

TEST_F(AppSettingsStoreTest, UserChordTypesAreReadFromTheNumberedSectionsAndDamagedOnesSkipped) {
  const AppSettings a = store(
                            "[UserChords]\nNumber=6\n[62]\nName=add9no3\nFormula=1 5 9\nI0=0\nI1=7\nI2=14\n"
                            "[64]\nName=quartal\nI0=0\nI1=5\nI2=10\nI3=abc\n[65]\nName=wide\nI0=0\nI1=22\n"
                            "[66]\nName=rootless\nI1=4\nI2=7\n[67]\nI0=0\nI1=3\n")
                            .load();
  const int u = 255;
  // 63 is missing, 64 holds no number, 65 an interval past 13 (21), 66 no root.
  ASSERT_EQ(a.userChords.size(), 2u);
  EXPECT_EQ(a.userChords[0], (UserChordType{"add9no3", "1 5 9", {0, 7, 14, u, u, u, u}, 62}));
  EXPECT_EQ(a.userChords[1], (UserChordType{"NONAME", "", {0, 3, u, u, u, u, u}, 67}));
  EXPECT_EQ(a.damagedUserChordSections, (std::vector<int>{63, 64, 65, 66}));
  // A negative or huge count must neither loop nor flood the list.
  EXPECT_TRUE(store("[UserChords]\nNumber=-4\n").load().userChords.empty());
  const AppSettings huge = store("[UserChords]\nNumber=2000000000\n").load();
  EXPECT_EQ(huge.damagedUserChordSections.size(), 1000u);
}

TEST_F(AppSettingsStoreTest, AUserTypeAddedAndAnotherDeletedLeaveTheSectionsInOrder) {
  AppSettingsStore s = store(
      "[Main]\nBass=1\n[UserChords]\nNumber=2\n[62]\nName=sus2\nFormula=1 2 5\nI0=0\nI1=2\n"
      "I2=7\nI3=255\nI4=255\nI5=255\nI6=255\n[63]\nName=odd\nI0=0\nI1=99\n");
  const UserChordType m7{"m7b9", "1 b3 5 b7 b9", {0, 3, 7, 10, 13, 255, 255}};
  EXPECT_EQ(s.addUserChord(m7), 64);
  EXPECT_EQ(s.load().userChords.back(), (UserChordType{m7.name, m7.formula, m7.intervals, 64}));
  // Deleting 62 moves the damaged 63 and the new 64 down whole.
  EXPECT_TRUE(s.deleteUserChord(62));
  EXPECT_FALSE(s.deleteUserChord(64));
  EXPECT_EQ(fileText(),
            "[Main]\nBass=1\n[UserChords]\nNumber=2\n[62]\nName=odd\nI0=0\nI1=99\n\n[63]\nName=m7b9\n"
            "Formula=1 b3 5 b7 b9\nI0=0\nI1=3\nI2=7\nI3=10\nI4=13\nI5=255\nI6=255\n");
}

TEST_F(AppSettingsStoreTest, ADeleteThatCannotBeWrittenLeavesEveryTypeAsItWas) {
  AppSettingsStore s = store("[UserChords]\nNumber=2\n[62]\nName=a\nI0=0\nI1=7\n[63]\nName=b\nI0=0\nI1=5\n");
  const std::string before = fileText();
  // The copy the edits are made on cannot be created (a folder with something in it is in the way).
  fs::create_directories(path_ + ".edit/x");
  EXPECT_THROW(s.deleteUserChord(62), IniWriteError);
  EXPECT_THROW(s.addUserChord(UserChordType{"c", "", {0, 4, 255, 255, 255, 255, 255}}), IniWriteError);
  EXPECT_EQ(fileText(), before);
  EXPECT_EQ(s.load().userChords.size(), 2u);
}

TEST_F(AppSettingsStoreTest, ShutdownWritesOnlyItsOwnKeysInItsOrder) {
  AppSettingsStore s = store("[Guitar]\nPatch=40\n[Main]\nLeftHand=2\n");
  AppSettings a = s.load();
  a.strumSpeed = -120;
  a.bassNote = true;
  a.showFullScale = true;
  a.fretlight.showFlash = true;
  a.folders.tab = "/data/tabs";
  a.midi.guitarPatch = 1;  // the preferences dialog's values: not written at shutdown
  a.speechOn = true;
  s.saveShutdownValues(a);
  EXPECT_EQ(
      fileText(),
      "[Guitar]\nPatch=40\n"
      "[Main]\nLeftHand=1\nSspeed=-120\nBass=1\nShowFull=1\n\n"  // 2 is written back as 1
      "[Directory]\nChord=/opt/strumly/Chord\nPrint=/opt/strumly/Print\nDesign=/opt/strumly/Design\n"
      "Play=/opt/strumly/Play\nScale=/opt/strumly/Scale\nTab=/data/tabs\nTabRaw=/opt/strumly/Tab/Raw\n\n"
      "[Fretlight]\nAnimate=1\nShowFlash=1\n");
}

TEST_F(AppSettingsStoreTest, PreferencesWriteOnlyTheirOwnKeysInTheDialogsOrder) {
  AppSettingsStore s(IniFile(path_), "/opt/strumly/");
  AppSettings a = s.load();  // no file yet
  a.midi.inDevice = 1;
  a.midi.outDevice = 2;
  a.midi.guitarPatch = 26;
  a.midi.bassVolume = 90;
  a.midi.clickNote = 127;
  a.scaleFrets = 6;
  a.countOffMeasures = 4;
  a.playPageTinyFont = false;
  a.speechOn = true;
  a.fretlight.switch1 = 4;
  a.fretlight.reverseSwitch = true;
  a.fretlight.rootSpeed = 250;
  a.fretlight.flashStop = true;
  a.strumSpeed = -50;  // the shutdown's values: not written by the dialog
  a.leftHanded = true;
  s.savePreferenceValues(a);
  EXPECT_EQ(fileText(),
            "[MidiIn]\nDevice=1\n\n[MidiOut]\nDevice=2\n\n"
            "[Guitar]\nPatch=26\nChannel=0\nVolume=100\n\n[Bass]\nPatch=33\nChannel=1\nVolume=90\n\n"
            "[Click]\nChannel=9\nNote=127\nVolume=65\n\n[Scales]\nFrets=6\n\n[PlayPage]\nCountOff=4\n\n"
            "[Main]\nPPTinyFont=0\nCDTinyFont=1\nSpeechVol=130\nSpeechOn=1\n\n"
            "[Fretlight]\nSwitch1=4\nSwitch2=1\nReverseSwitch=1\nRootSpeed=250\nFlashNote=0\nFlashStop=1\n\n"
            "[Tab]\nTimingChars=.=qes\nInsertFile=/opt/strumly/insertsection.tab\n");
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

TEST_F(AppSettingsStoreTest, ListenValuesKeepASectionOfTheirOwn) {
  AppSettingsStore s = store("[Main]\nSspeed=-300\n");
  AppSettings a = s.load();
  EXPECT_EQ(a.listen.input, "");  // the system default source
  EXPECT_EQ(a.listen.referenceA4, 440);
  a.listen.input = "pulse:alsa_input.usb-guitar";
  a.listen.referenceA4 = 442;
  a.listen.latencyMs = -35;
  a.strumSpeed = -100;  // not the listener's to write
  s.saveListenValues(a);
  EXPECT_EQ(fileText(),
            "[Main]\nSspeed=-300\n\n[Listen]\nInput=pulse:alsa_input.usb-guitar\nReferenceA4=442\n"
            "LatencyMs=-35\n");
  const AppSettings back = s.load();
  EXPECT_EQ(back.listen.input, "pulse:alsa_input.usb-guitar");
  EXPECT_EQ(back.listen.referenceA4, 442);
  EXPECT_EQ(back.listen.latencyMs, -35);
  ListenSettings odd;
  odd.referenceA4 = 415;  // baroque pitch: the tuner offers 430..450 only
  EXPECT_EQ(odd.clampedA4(), 430);
}
