// The run's settings values before any file is read, and the small rules that hang off them.
#include <gtest/gtest.h>

#include "core/app/AppSettings.h"

using namespace strumly;

TEST(AppSettingsTest, DefaultsAreThoseOfAMissingSettingsFile) {
  const AppSettings s = AppSettings::defaultsFor("/home/u/Strumly/");
  EXPECT_EQ(s.midi.inDevice, 0);
  EXPECT_EQ(s.midi.outDevice, 0);
  EXPECT_EQ(s.midi.guitarPatch, 25);
  EXPECT_EQ(s.midi.guitarVolume, 100);
  EXPECT_EQ(s.midi.bassPatch, 33);
  EXPECT_EQ(s.midi.bassChannel, 1);
  EXPECT_EQ(s.midi.clickChannel, 9);
  EXPECT_EQ(s.midi.clickNote, 34);
  EXPECT_EQ(s.midi.clickVolume, 65);
  EXPECT_FALSE(s.bassNote);
  EXPECT_EQ(s.strumSpeed, -300);
  EXPECT_TRUE(s.playPageTinyFont);
  EXPECT_TRUE(s.chordDesignTinyFont);
  EXPECT_EQ(s.speechVolume, 130);
  EXPECT_FALSE(s.speechOn);
  EXPECT_EQ(s.scaleFrets, 5);
  EXPECT_EQ(s.countOffMeasures, 1);
  EXPECT_TRUE(s.fretlight.animate);
  EXPECT_EQ(s.fretlight.switch1, 0);
  EXPECT_EQ(s.fretlight.switch2, 1);
  EXPECT_EQ(s.fretlight.rootSpeed, 350);
  EXPECT_EQ(s.tabTimingChars, ".=qes");
  EXPECT_EQ(s.tabInsertFile, "/home/u/Strumly/insertsection.tab");
  // A user chord section with no keys at all: no name, no formula, every interval unused.
  const UserChordType blank;
  EXPECT_EQ(blank.name, "NONAME");
  EXPECT_EQ(blank.formula, "");
  EXPECT_EQ(blank.intervals, (std::array<int, 7>{255, 255, 255, 255, 255, 255, 255}));
}

TEST(AppSettingsTest, DocumentFoldersHangOffTheProgramFolder) {
  const DocumentFolders f = DocumentFolders::defaultsFor("/opt/s/");
  EXPECT_EQ(f.chord, "/opt/s/Chord");
  EXPECT_EQ(f.print, "/opt/s/Print");
  EXPECT_EQ(f.design, "/opt/s/Design");
  EXPECT_EQ(f.play, "/opt/s/Play");
  EXPECT_EQ(f.scale, "/opt/s/Scale");
  EXPECT_EQ(f.tab, "/opt/s/Tab");
  EXPECT_EQ(f.tabRaw, "/opt/s/Tab/Raw");
}

TEST(AppSettingsTest, FootSwitchesSwapTheirBitsWhenReversed) {
  FretlightSettings f;
  EXPECT_EQ(f.switch1Bit(), 1);
  EXPECT_EQ(f.switch2Bit(), 2);
  f.reverseSwitch = true;
  EXPECT_EQ(f.switch1Bit(), 2);
  EXPECT_EQ(f.switch2Bit(), 1);
}

TEST(AppSettingsTest, SwitchCaptionsNameEachActionAndNothingOutsideTheRange) {
  EXPECT_EQ(switchActionCaption(0), "Play");
  EXPECT_EQ(switchActionCaption(1), "Next Diagram");
  EXPECT_EQ(switchActionCaption(2), "Show Root");
  EXPECT_EQ(switchActionCaption(3), "Show LEDs");
  EXPECT_EQ(switchActionCaption(4), "Next Page");
  EXPECT_EQ(switchActionCaption(5), "");  // a hand-edited settings file must not crash the caption
  EXPECT_EQ(switchActionCaption(-1), "");
}
