// The play page files read from and compared with bytes laid out by hand from the record layout:
// header (signature, mark, strum text, reserved, tempo, loop, bass), 88-byte slot records, and the
// repeat file's four per-measure arrays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/playpage/PlayPageFile.h"

using namespace strumly;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void putText(Bytes& b, std::size_t at, std::string_view text) {
  b[at] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

Bytes header(std::uint8_t signature, std::string_view mark, std::string_view strum, std::uint8_t tempo,
             std::uint8_t loop, std::uint8_t bass) {
  Bytes h(88, 0);
  h[0] = signature;
  putText(h, 1, mark);
  putText(h, 17, strum);
  h[85] = tempo;
  h[86] = loop;
  h[87] = bass;
  return h;
}

// A slot record: `empty` byte, then the name field; beginning fret, root and bass are the last
// three bytes. A free slot is just the empty byte set.
Bytes slot(std::string_view name = {}) {
  Bytes s(88, 0);
  s[0] = name.empty() ? 1 : 0;
  if (!name.empty()) {
    putText(s, 1, name);
    s[85] = 5;
    s[86] = 9;
    s[87] = 33;
  }
  return s;
}

Bytes ppfBytes(const Bytes& head, int slots, int namedSlot) {
  Bytes b = head;
  for (int i = 0; i < slots; ++i) {
    Bytes s = slot(i == namedSlot ? "Am" : "");
    b.insert(b.end(), s.begin(), s.end());
  }
  return b;
}

void expectAm(const ChordDiagram& c) {
  EXPECT_FALSE(c.isEmpty());
  EXPECT_EQ(c.name.str(), "Am");
  EXPECT_EQ(c.beginFret, 5);
  EXPECT_EQ(c.root, 9);
  EXPECT_EQ(c.bass, 33);
}

class PlayPageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("strumly-playpage-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path ppf() const { return dir_ / "song.ppf"; }
  fs::path rpt() const { return dir_ / "song.rpt"; }
  static void put(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  static Bytes get(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(PlayPageFile, HandBuiltFilesReadBack) {
  put(ppf(), ppfBytes(header(1, "kv6PlayPage", "-300", 120, 1, 0), 288, 13));
  Bytes r(192, 0);
  r[2] = 1;         // startRepeat[2]
  r[48 + 5] = 3;    // repeatCount[5]
  r[96 + 5] = 2;    // repeatsLeft[5]
  r[144 + 20] = 1;  // loopFlag[20]
  put(rpt(), r);

  auto read = readPlayPage(ppf());
  ASSERT_TRUE(read.ok()) << read.error;
  const PlayPageSong& s = *read.song;
  EXPECT_EQ(s.signature, TimeSignature::ThreeFour);
  EXPECT_EQ(s.tempoBpm, 120);
  EXPECT_EQ(s.strumSpeed, -300);
  EXPECT_TRUE(s.loop);
  EXPECT_FALSE(s.bass);
  EXPECT_FALSE(s.olderFormat);
  expectAm(s.slots[13]);
  EXPECT_TRUE(s.slots[12].isEmpty());
  EXPECT_TRUE(s.slots[287].isEmpty());
  // The file's markers replace the whole 3/4 set, defaults included.
  EXPECT_EQ(s.markers34.startRepeat[0], 0);
  EXPECT_EQ(s.markers34.startRepeat[2], 1);
  EXPECT_EQ(s.markers34.repeatCount[5], 3);
  EXPECT_EQ(s.markers34.repeatsLeft[5], 2);
  EXPECT_EQ(s.markers34.loopFlag[20], 1);
  EXPECT_EQ(s.markers34.loopFlag[47], 0);
  EXPECT_EQ(s.markers44.startRepeat[0], 1);  // the other signature's default set
  EXPECT_EQ(s.markers44.loopFlag[35], 1);

  // Any non-zero signature byte is 3/4, only 1 turns Loop Play or the bass note on; without a
  // .rpt both sets are the defaults.
  fs::remove(rpt());
  put(ppf(), ppfBytes(header(0, "kv6PlayPage", "0", 250, 2, 1), 288, -1));
  read = readPlayPage(ppf());
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.song->signature, TimeSignature::FourFour);
  EXPECT_EQ(read.song->tempoBpm, 250);
  EXPECT_EQ(read.song->strumSpeed, 0);
  EXPECT_FALSE(read.song->loop);
  EXPECT_TRUE(read.song->bass);
  EXPECT_EQ(read.song->markers34, RepeatMarkers::defaults(TimeSignature::ThreeFour));
  EXPECT_EQ(read.song->markers44, RepeatMarkers::defaults(TimeSignature::FourFour));
  EXPECT_EQ(read.song->markers34.loopFlag[47], 1);
}

TEST_F(PlayPageFile, AStrumBeyondTheBarReadsAsItsNearerEnd) {
  // The bar runs from -800 to 0; the window would show these files at its ends, and so they play.
  for (auto [text, read] : {std::pair{"-9000", -800}, std::pair{"-801", -800}, std::pair{"25", 0}}) {
    put(ppf(), ppfBytes(header(0, "kv6PlayPage", text, 100, 0, 0), 288, -1));
    const PlayPageReadResult result = readPlayPage(ppf());
    ASSERT_TRUE(result.ok()) << text << ": " << result.error;
    EXPECT_EQ(result.song->strumSpeed, read) << text;
  }
}

TEST_F(PlayPageFile, OlderSinglePageFiles) {
  put(ppf(), ppfBytes(header(1, "kvPlayPage", "-100", 60, 0, 0), 72, 71));
  Bytes r(48, 0);
  r[0] = 1;        // startRepeat[0]
  r[4] = 1;        // startRepeat[4]
  r[12 + 3] = 2;   // repeatCount[3]
  r[24 + 3] = 2;   // repeatsLeft[3]
  r[36 + 11] = 1;  // loopFlag[11]
  put(rpt(), r);

  auto read = readPlayPage(ppf());
  ASSERT_TRUE(read.ok()) << read.error;
  const PlayPageSong& s = *read.song;
  EXPECT_TRUE(s.olderFormat);
  EXPECT_EQ(s.tempoBpm, 60);
  expectAm(s.slots[71]);
  EXPECT_TRUE(s.slots[72].isEmpty());
  RepeatMarkers expected34;
  expected34.startRepeat[0] = 1;
  expected34.startRepeat[4] = 1;
  expected34.repeatCount[3] = 2;
  expected34.repeatsLeft[3] = 2;
  expected34.loopFlag[11] = 1;  // and no loop end at measure 48
  EXPECT_EQ(s.markers34, expected34);
  RepeatMarkers expected44;
  expected44.startRepeat[0] = 1;  // its default loop end at measure 36 is cleared too
  EXPECT_EQ(s.markers44, expected44);

  // Without the .rpt nothing is cleared.
  fs::remove(rpt());
  read = readPlayPage(ppf());
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.song->markers34.loopFlag[47], 1);
  EXPECT_EQ(read.song->markers44.loopFlag[35], 1);
}

TEST_F(PlayPageFile, WriteGivesTheRecordLayout) {
  PlayPageSong song;
  song.signature = TimeSignature::FourFour;
  song.tempoBpm = 96;
  song.strumSpeed = -250;
  song.loop = false;
  song.bass = true;
  song.slots[287].empty = 0;
  song.slots[287].name = "G7";
  RepeatMarkers working;
  working.startRepeat[0] = 1;
  working.repeatCount[7] = 4;
  working.loopFlag[35] = 1;
  ASSERT_TRUE(writePlayPage(ppf(), song, working).ok());

  Bytes written = get(ppf());
  ASSERT_EQ(written.size(), 25432u);  // 289 records of 88 bytes
  Bytes expected(88, 0);
  expected[1] = 11;
  std::memcpy(&expected[2], "kv6PlayPage", 11);
  expected[17] = 4;
  std::memcpy(&expected[18], "-250", 4);
  expected[85] = 96;
  expected[87] = 1;
  EXPECT_EQ(Bytes(written.begin(), written.begin() + 88), expected);
  const std::size_t last = 88 * 288;
  EXPECT_EQ(written[last], 0);
  EXPECT_EQ(written[last + 1], 2);
  EXPECT_EQ(written[last + 2], 'G');
  EXPECT_EQ(written[last + 3], '7');
  EXPECT_EQ(written[88], 1);  // slot 0 is free

  Bytes r = get(rpt());
  ASSERT_EQ(r.size(), 192u);
  Bytes expectedRpt(192, 0);
  expectedRpt[0] = 1;
  expectedRpt[48 + 7] = 4;
  expectedRpt[144 + 35] = 1;
  EXPECT_EQ(r, expectedRpt);

  // Saving again replaces both files; 3/4 sets byte 0, a tempo below the controls' range is
  // stored as their minimum.
  song.signature = TimeSignature::ThreeFour;
  song.tempoBpm = 5;
  song.strumSpeed = 0;
  ASSERT_TRUE(writePlayPage(ppf(), song, working).ok());
  written = get(ppf());
  expected[0] = 1;
  expected[17] = 1;
  std::memcpy(&expected[18], "0\0\0\0", 4);
  expected[85] = 10;
  EXPECT_EQ(Bytes(written.begin(), written.begin() + 88), expected);
  EXPECT_EQ(entries(), (std::vector<std::string>{"song.ppf", "song.rpt"}));
}

TEST_F(PlayPageFile, DamagedFilesAreRefusedWhole) {
  struct Case {
    const char* what;
    std::function<void(Bytes& ppf, Bytes& rpt)> damage;
    bool notOurs = false;
  };
  const Bytes goodPpf = ppfBytes(header(0, "kv6PlayPage", "-300", 100, 1, 1), 288, 0);
  auto strum = [](std::string_view text) { return [text](Bytes& p, Bytes&) { putText(p, 17, text); }; };
  auto tempo = [](std::uint8_t t) { return [t](Bytes& p, Bytes&) { p[85] = t; }; };
  const std::vector<Case> cases = {
      {"mark one letter off", [](Bytes& p, Bytes&) { p[12] = 'g'; }, true},
      {"mark longer than ours", [](Bytes& p, Bytes&) { putText(p, 1, "kv6PlayPageX"); }, true},
      {"mark shorter than ours", [](Bytes& p, Bytes&) { p[1] = 10; }, true},
      {"empty file", [](Bytes& p, Bytes&) { p.clear(); }, true},
      {"a text file",
       [](Bytes& p, Bytes&) {
         p.assign({'h', 'e', 'l', 'l', 'o'});
       },
       true},
      {"one byte short", [](Bytes& p, Bytes&) { p.pop_back(); }},
      {"one byte long", [](Bytes& p, Bytes&) { p.push_back(0); }},
      {"older mark over 288 slots", [](Bytes& p, Bytes&) { putText(p, 1, "kvPlayPage"); }},
      {"tempo 0", tempo(0)},
      {"tempo 9", tempo(9)},
      {"tempo 251", tempo(251)},
      {"strum letters", strum("abc")},
      {"strum empty", strum("")},
      {"strum with a letter inside", strum("-3x0")},
      {"strum length beyond its field", [](Bytes& p, Bytes&) { p[17] = 16; }},
      {"rpt one byte short", [](Bytes&, Bytes& r) { r.pop_back(); }},
      {"rpt one byte long", [](Bytes&, Bytes& r) { r.push_back(0); }},
      {"rpt of the older size", [](Bytes&, Bytes& r) { r.resize(48); }},
  };
  for (const Case& c : cases) {
    Bytes p = goodPpf, r(192, 0);
    c.damage(p, r);
    put(ppf(), p);
    put(rpt(), r);
    auto read = readPlayPage(ppf());
    EXPECT_FALSE(read.song.has_value()) << c.what;
    if (c.notOurs)
      EXPECT_EQ(read.error, kNotAPlayPageText) << c.what;
    else
      EXPECT_FALSE(read.error.empty()) << c.what;
  }

  put(ppf(), goodPpf);
  fs::remove(rpt());
  fs::create_directory(rpt());
  auto read = readPlayPage(ppf());
  EXPECT_FALSE(read.ok());
  EXPECT_NE(read.error.find("song.rpt"), std::string::npos) << read.error;
  EXPECT_FALSE(readPlayPage(dir_ / "missing.ppf").ok());
}

TEST_F(PlayPageFile, FailedRepeatWriteKeepsTheOldSong) {
  const Bytes old = ppfBytes(header(0, "kv6PlayPage", "-300", 100, 0, 0), 288, 5);
  put(ppf(), old);
  fs::create_directory(rpt());  // a folder cannot be replaced by a file, not even by root

  auto result = writePlayPage(ppf(), PlayPageSong{}, RepeatMarkers{});
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error.find("song.rpt"), std::string::npos) << result.error;
  EXPECT_NE(result.error.find(std::strerror(EISDIR)), std::string::npos) << result.error;
  EXPECT_EQ(get(ppf()), old);
  EXPECT_EQ(entries(), (std::vector<std::string>{"song.ppf", "song.rpt"}));
}

}  // namespace
