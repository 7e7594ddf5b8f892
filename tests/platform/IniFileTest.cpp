// The settings store against real files in a scratch folder: conversions, file order, erasing,
// write-through between handles and the error of an unwritable file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/settings/IniFile.h"

namespace fs = std::filesystem;
using strumly::IniFile;
using strumly::IniWriteError;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("strumly_ini_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string write(const std::string& text) {
    const auto path = (dir_ / "Kv.ini").string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path dir_;
};

TEST_F(IniFileTest, IntegersReadDecimalAndHexAndFallBackOnGarbage) {
  IniFile ini(write(
      "[Guitar]\r\nPatch=0x1A\r\nChannel=abc\r\nVolume=\r\n[Bass]\nPatch= 40 \nChannel=0X\nVolume=12abc\n"
      "[Click]\nNote=0xFFFFFFFF\nVolume=99999999999\nChannel=-3\n"));
  EXPECT_EQ(ini.readInteger("Guitar", "Patch", 25), 26);
  EXPECT_EQ(ini.readInteger("Guitar", "Channel", 7), 7);     // not a number
  EXPECT_EQ(ini.readInteger("Guitar", "Volume", 100), 100);  // empty
  EXPECT_EQ(ini.readInteger("Bass", "Patch", 33), 40);       // blanks around the value
  EXPECT_EQ(ini.readInteger("Bass", "Channel", 1), 1);       // "0X" alone is not hexadecimal
  EXPECT_EQ(ini.readInteger("Bass", "Volume", 100), 100);    // trailing garbage
  EXPECT_EQ(ini.readInteger("Click", "Note", 34), -1);       // a 32-bit pattern
  EXPECT_EQ(ini.readInteger("Click", "Volume", 65), 65);     // does not fit
  EXPECT_EQ(ini.readInteger("Click", "Channel", 9), -3);
  EXPECT_EQ(ini.readInteger("Nowhere", "Patch", 5), 5);
}

TEST_F(IniFileTest, BooleansAreNonZeroIntegersAndAreWrittenAsZeroOrOne) {
  const auto path = write("[Main]\nLeftHand=2\nShowFull=0\nBass=yes\n");
  IniFile ini(path);
  EXPECT_TRUE(ini.readBool("Main", "LeftHand", false));
  EXPECT_FALSE(ini.readBool("Main", "ShowFull", true));
  EXPECT_TRUE(ini.readBool("Main", "Bass", true));  // garbage gives the default
  EXPECT_FALSE(ini.readBool("Main", "Bass", false));
  ini.writeBool("Main", "LeftHand", ini.readBool("Main", "LeftHand", false));
  EXPECT_NE(contents(path).find("LeftHand=1\n"), std::string::npos);
  EXPECT_EQ(contents(path).find("LeftHand=2"), std::string::npos);
}

TEST_F(IniFileTest, WritesKeepTheLineBreaksTheFileHad) {
  const auto lf = write("[Main]\nSspeed=-300\n\n[62]\nName=x\n");
  IniFile(lf).writeInteger("Main", "Sspeed", -450);
  IniFile(lf).eraseSection("62");
  IniFile(lf).writeString("Tab", "TimingChars", ".=");
  EXPECT_EQ(contents(lf), "[Main]\nSspeed=-450\n\n[Tab]\nTimingChars=.=\n");
  const auto crlf = (dir_ / "windows.ini").string();
  std::ofstream(crlf, std::ios::binary) << "[Main]\r\nSspeed=-300\r\n";
  IniFile(crlf).writeBool("Main", "Bass", true);
  EXPECT_EQ(contents(crlf), "[Main]\r\nSspeed=-300\r\nBass=1\r\n");
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  const auto path = (dir_ / "absent.ini").string();
  IniFile ini(path);
  EXPECT_EQ(ini.readString("Tab", "TimingChars", ".=qes"), ".=qes");
  EXPECT_TRUE(ini.readSection("General MIDI").empty());
  EXPECT_FALSE(ini.sectionExists("Main"));
  ini.writeInteger("Main", "Sspeed", -450);
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(IniFile(path).readInteger("Main", "Sspeed", -300), -450);
  EXPECT_EQ(contents(path), "[Main]\nSspeed=-450\n");  // a new file breaks its lines as the shipped one
}

TEST_F(IniFileTest, ReadSectionKeepsFileOrderAndSkipsCommentsAndBlankLines) {
  IniFile ini(write(
      "[General MIDI]\nZither=\n; a comment\n\nAcoustic Grand Piano=\nBanjo=ignored value\n[Other]\nX=1\n"));
  EXPECT_EQ(ini.readSection("General MIDI"),
            (std::vector<std::string>{"Zither", "Acoustic Grand Piano", "Banjo"}));
  EXPECT_EQ(ini.readSection("general midi").size(), 3u);  // section names ignore case
  EXPECT_TRUE(ini.readSection("Missing").empty());
}

TEST_F(IniFileTest, ReadSectionStopsAtTheNameBudget) {
  std::string text = "[Big]\n";
  for (int i = 0; i < 2000; ++i) text += "Instrument" + std::to_string(i) + "=\n";
  IniFile ini(write(text));
  const auto keys = ini.readSection("Big");
  std::size_t total = 0;
  for (const auto& k : keys) total += k.size() + 1;
  EXPECT_LE(total, 8192u);
  EXPECT_GT(keys.size(), 500u);
  EXPECT_EQ(keys.front(), "Instrument0");
}

TEST_F(IniFileTest, EraseSectionRemovesOnlyThatSectionAndWritesReplaceInPlace) {
  const auto path = write("[62]\nName=sus2add\nI0=0\n[63]\nName=odd\n[UserChords]\nNumber=2\n");
  IniFile ini(path);
  ini.eraseSection("63");
  ini.writeInteger("UserChords", "Number", 1);
  ini.writeString("62", "Formula", "1 2 5 9");
  EXPECT_FALSE(ini.sectionExists("63"));
  EXPECT_EQ(ini.readString("62", "Name", "NONAME"), "sus2add");
  EXPECT_EQ(ini.readString("62", "Formula", ""), "1 2 5 9");
  EXPECT_EQ(ini.readInteger("UserChords", "Number", 0), 1);
  EXPECT_EQ(contents(path).find("Number=2"), std::string::npos);
  ini.eraseSection("NotThere");  // nothing to do, no error
}

TEST_F(IniFileTest, TextsAreCutTo1023CharactersAndValuesMayHoldEqualsSigns) {
  IniFile ini(write("[Tab]\nTimingChars=.=qes\nInsertFile=" + std::string(2000, 'x') + "\n"));
  EXPECT_EQ(ini.readString("Tab", "TimingChars", ""), ".=qes");
  EXPECT_EQ(ini.readString("Tab", "InsertFile", "").size(), 1023u);
}

TEST_F(IniFileTest, TwoHandlesOnOneFileSeeEachOthersWrites) {
  const auto path = write("");
  IniFile a(path), b(path);
  a.writeString("Directory", "Chord", "/home/u/Chord");
  EXPECT_EQ(b.readString("Directory", "Chord", ""), "/home/u/Chord");
  b.writeString("Directory", "Chord", "/tmp");
  EXPECT_EQ(a.readString("Directory", "Chord", ""), "/tmp");
}

TEST_F(IniFileTest, UnwritableFileRaisesUnableToWriteAndLeavesTheFileAlone) {
  // Permissions do not bind the super-user, so a folder holds the place the new text is written
  // to before it replaces the file: no user can write there.
  const auto path = write("[Main]\nSspeed=-300\n");
  fs::create_directories(path + ".tmp/kept");
  IniFile ini(path);
  try {
    ini.writeInteger("Main", "Sspeed", -100);
    FAIL() << "the write should have failed";
  } catch (const IniWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  EXPECT_THROW(ini.eraseSection("Main"), IniWriteError);
  EXPECT_EQ(ini.readInteger("Main", "Sspeed", 0), -300);
  EXPECT_EQ(contents(path), "[Main]\nSspeed=-300\n");
}

TEST_F(IniFileTest, AFolderInTheFilesPlaceCannotBeWrittenEvenByTheSuperUser) {
  const auto path = (dir_ / "Kv.ini").string();
  fs::create_directories(path);
  IniFile ini(path);
  EXPECT_EQ(ini.readInteger("Main", "Sspeed", -300), -300);
  try {
    ini.writeInteger("Main", "Sspeed", -100);
    FAIL() << "the write should have failed";
  } catch (const IniWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    EXPECT_EQ(e.fileName(), path);
  }
  EXPECT_FALSE(fs::exists(path + ".tmp"));  // no stray temporary file is left behind
}

TEST_F(IniFileTest, WriteIntoAFolderThatDoesNotExistRaisesTheError) {
  IniFile ini((dir_ / "no" / "such" / "Kv.ini").string());
  EXPECT_THROW(ini.writeBool("Main", "Bass", true), IniWriteError);
}

}  // namespace
