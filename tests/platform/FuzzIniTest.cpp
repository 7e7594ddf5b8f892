// The settings-file harness's seed corpus replayed as unit tests, and the faults fuzzing found in
// the store, kept as regression tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/IniCheck.h"
#include "platform/settings/IniFile.h"

using namespace strumly;
namespace fs = std::filesystem;

namespace {

class IniScratch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("strumly-fuzzini-" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const char* name) const { return (dir_ / name).string(); }
  std::string write(const char* name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
    return path(name);
  }

 private:
  fs::path dir_;
};

}  // namespace

TEST_F(IniScratch, EverySeedOfTheFuzzCorpusKeepsTheStoreInvariants) {
  auto files = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/ini");
  ASSERT_GE(files.size(), 5u);
  for (const auto& f : files)
    EXPECT_EQ(fuzz::checkIniInput(f.bytes.data(), f.bytes.size(), path("Kv.ini")), "") << f.name;
}

TEST_F(IniScratch, ALineBreakInAWrittenValueCannotForgeEntries) {
  // A folder name may hold a line feed; stored raw it would add a [Main] section to the file.
  IniFile ini(write("Kv.ini", "[Directory]\nChord=/old\n"));
  ini.writeString("Directory", "Chord", "/home/u/odd\n[Main]\r\nBass=1");
  EXPECT_EQ(ini.readString("Directory", "Chord", ""), "/home/u/odd [Main]  Bass=1");
  EXPECT_FALSE(ini.sectionExists("Main"));
  EXPECT_FALSE(ini.readBool("Main", "Bass", false));
  EXPECT_EQ(ini.readSection("Directory"), std::vector<std::string>{"Chord"});
}

TEST_F(IniScratch, EraseSectionRemovesEveryCopyOfARepeatedSection) {
  // A hand-edited file with [64] twice: after deleting user chord 64 no stale copy may resurface.
  IniFile ini(
      write("Kv.ini", "[64]\nName=first\n[UserChords]\nNumber=3\n[64]\nName=stale\nI0=0\n[63]\nName=keep\n"));
  ini.eraseSection("64");
  EXPECT_FALSE(ini.sectionExists("64"));
  EXPECT_EQ(ini.readString("64", "Name", "NONAME"), "NONAME");
  EXPECT_EQ(ini.readInteger("UserChords", "Number", 0), 3);
  EXPECT_EQ(ini.readString("63", "Name", ""), "keep");
}

TEST_F(IniScratch, TextsWithOuterBlanksOrQuotesComeBackAsWritten) {
  // Reading trims blanks and drops surrounding quotes; folder names may carry both.
  IniFile ini(path("Kv.ini"));
  for (const std::string folder : {"/home/u/Tabs ", " lead", "\"quoted\"", "'single'", "\"", "plain", ""}) {
    ini.writeString("Directory", "Tab", folder);
    EXPECT_EQ(ini.readString("Directory", "Tab", "default"), folder) << folder;
  }
  ini.writeString("Directory", "Chord", "/usr/share/strumly/Chord");
  std::ifstream in(path("Kv.ini"));
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Chord=/usr/share/strumly/Chord\n"), std::string::npos) << "plain values stay unquoted";
}
