// The user chord types harness's seed corpus replayed as a unit test, and the fault fuzzing found
// in adding a type, kept as a regression test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/UserChordsCheck.h"

using namespace strumly;
namespace fs = std::filesystem;

namespace {

struct UserChordsScratch : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("strumly-fuzzuserchords-" + std::to_string(::getpid()));
  void TearDown() override { fs::remove_all(dir); }
};

}  // namespace

TEST_F(UserChordsScratch, EverySeedKeepsTheUserChordInvariants) {
  auto seeds = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/userchords");
  ASSERT_GE(seeds.size(), 5u);
  for (const auto& f : seeds)
    EXPECT_EQ(fuzz::checkUserChordsInput(f.bytes.data(), f.bytes.size(), dir), "") << f.name;
}

TEST_F(UserChordsScratch, AnAddPastTheReadableTypesIsRefusedAndChangesNothing) {
  // Found by fuzz_userchords: Number=0x7FFFFFFF overflowed the new section number, and a type
  // added past the 1000 sections start-up reads was gone on the next start.
  fs::create_directories(dir);
  const UserChordType major{"maj", "1 3 5", {0, 4, 7, 255, 255, 255, 255}};
  for (const std::string count : {"0x7FFFFFFF", "1000", "5000"}) {
    const std::string text = "[UserChords]\nNumber=" + count + "\n";
    std::ofstream(dir / "Kv.ini", std::ios::binary | std::ios::trunc) << text;
    AppSettingsStore store(IniFile((dir / "Kv.ini").string()), dir.string() + "/");
    EXPECT_THROW(store.addUserChord(major), std::length_error) << count;
    EXPECT_EQ(fuzz::userchords_detail::fileBytes(dir / "Kv.ini"), text) << count;
  }
  std::ofstream(dir / "Kv.ini", std::ios::binary | std::ios::trunc) << "[UserChords]\nNumber=999\n";
  AppSettingsStore store(IniFile((dir / "Kv.ini").string()), dir.string() + "/");
  EXPECT_EQ(store.addUserChord(major), 62 + 999);
  EXPECT_EQ(store.userChords().back(), (UserChordType{"maj", "1 3 5", major.intervals, 62 + 999}));
}
