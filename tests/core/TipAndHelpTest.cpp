#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/app/HelpRouting.h"
#include "core/app/TipFile.h"

namespace strumly {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct TipFolders : ::testing::Test {
  // One folder per test and process, so parallel runs never share a tip file.
  fs::path dir =
      fs::temp_directory_path() / ("strumly-tips-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::create_directories(dir / "shipped");
    fs::create_directories(dir / "user");
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
};

TEST_F(TipFolders, NextAndOkTurnTheTipsAndOkKeepsTheChoice) {
  write(dir / "shipped/tip.kvt", "True\r\nA\r\nB\r\nC\r\n");
  const TipFile tips((dir / "shipped/tip.kvt").string(), (dir / "user/tip.kvt").string());
  EXPECT_TRUE(tips.showOnStart());
  TipLines lines;
  ASSERT_TRUE(tips.load(lines));
  TipRotation shown(lines);
  EXPECT_EQ(shown.currentTip(), "A");
  shown.next();
  EXPECT_EQ(shown.currentTip(), "B");
  shown.finish(true);
  EXPECT_EQ(tips.save(shown.file()), "");
  // The shipped file stays as it was; the user's copy is read from now on.
  EXPECT_EQ(readAll(dir / "user/tip.kvt"), "True\r\nC\r\nA\r\nB\r\n");
  EXPECT_EQ(readAll(dir / "shipped/tip.kvt"), "True\r\nA\r\nB\r\nC\r\n");
  ASSERT_TRUE(tips.load(lines));
  EXPECT_EQ(TipRotation(lines).currentTip(), "C");

  TipRotation unchecked(lines);
  unchecked.finish(false);
  EXPECT_EQ(tips.save(unchecked.file()), "");
  EXPECT_FALSE(tips.showOnStart());
}

TEST_F(TipFolders, OnlyExactTrueShowsAndAMissingFileGivesOneLine) {
  const TipFile tips((dir / "shipped/tip.kvt").string(), (dir / "user/tip.kvt").string());
  EXPECT_FALSE(tips.showOnStart());
  TipLines none;
  EXPECT_FALSE(tips.load(none));
  TipRotation empty(none);
  EXPECT_EQ(empty.currentTip(), "");
  empty.finish(true);
  EXPECT_EQ(tips.save(empty.file()), "");
  EXPECT_EQ(readAll(dir / "user/tip.kvt"), "True\n");

  write(dir / "user/tip.kvt", "true\nA\n");
  EXPECT_FALSE(tips.showOnStart());
}

TEST_F(TipFolders, AnUnwritableFolderGivesTheReason) {
  const TipFile tips((dir / "shipped/tip.kvt").string(), (dir / "no-such-folder/tip.kvt").string());
  EXPECT_NE(tips.save(TipLines{{"True", "A"}}), "");
}

TEST(HelpRouting, ContextsOpenTheirPagesAndEverythingElseTheContents) {
  EXPECT_EQ(destinationOf(routeHelpRequest({1, 205, {}})).page, "tablature.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({8, 400, {}})).page, "add-chord.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({1, 700, {}})).page, "preferences.html#fretlight");
  EXPECT_EQ(destinationOf(routeHelpRequest({1, 999, {}})).page, "index.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({3, 0, {}})).page, "index.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({11, 0, "../../etc/passwd.html"})).page, "index.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({11, 0, "scales.html"})).page, "scales.html");
  EXPECT_EQ(destinationOf(routeHelpRequest({2, 0, {}})).kind, HelpDestination::Kind::Close);
  const HelpDestination key = destinationOf(routeHelpRequest({257, 0, "capo"}));
  EXPECT_EQ(key.kind, HelpDestination::Kind::Index);
  EXPECT_EQ(key.keyword, "capo");
  EXPECT_EQ(helpContextOf(PageId::Tablature), 205);
  EXPECT_EQ(helpContextOf(PageId::Chords), 200);
}

}  // namespace
}  // namespace strumly
