// Chord dictionary readers against made-up files (record arithmetic, missing and short files) and
// the shipped kvcd3.dat against what its names say.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "core/chords/ChordDictionary.h"
#include "core/voicings/ChordDictionaryWriter.h"

namespace strumly {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            ("strumly-dict-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }
  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  fs::path path_;
};

// A shape file whose record r carries r in its frets, so a test can see which records were read.
std::vector<std::uint8_t> numberedShapeFile(const FamilyInfo& info, int part) {
  std::vector<std::uint8_t> bytes;
  for (int r = 0; r < info.recordsPerFile(); ++r) {
    bytes.push_back(static_cast<std::uint8_t>(part));     // beginning fret = part
    bytes.push_back(static_cast<std::uint8_t>(r / 100));  // string 0 fret
    bytes.push_back(1);
    bytes.push_back(static_cast<std::uint8_t>(r % 100));  // string 1 fret
    bytes.push_back(2);
    for (int s = 2; s < 6; ++s) {
      bytes.push_back(0);
      bytes.push_back(s == 5 ? kFingerMuted : kFingerOpen);
    }
  }
  return bytes;
}

int recordNumberOf(const ChordDiagram& d) {
  return d.strings[0].fret * 100 + d.strings[1].fret;
}

void writeFamily(const TempFolder& folder, ChordFamily family) {
  const auto& info = familyInfo(family);
  folder.write(std::string(info.shapeFile1), numberedShapeFile(info, 1));
  folder.write(std::string(info.shapeFile2), numberedShapeFile(info, 2));
}

TEST(ChordDictionaryTest, FileSizesAndRecordArithmetic) {
  EXPECT_EQ(familyInfo(ChordFamily::Major).recordsPerFile() * 13, 8892);
  EXPECT_EQ(familyInfo(ChordFamily::Minor).recordsPerFile() * 13, 7956);
  EXPECT_EQ(familyInfo(ChordFamily::Dominant).recordsPerFile() * 13, 12168);
  EXPECT_EQ(buildChordTypeFile().size(), 2728u);
  // Key B, dominant type 25: the last three records of a dominant file.
  EXPECT_EQ(firstShapeRecord(ChordFamily::Dominant, 25, 11), 933);
  EXPECT_EQ(firstShapeRecord(ChordFamily::Dominant, 25, 11) + 2,
            familyInfo(ChordFamily::Dominant).recordsPerFile() - 1);
  EXPECT_EQ(firstShapeRecord(ChordFamily::Minor, 1, 4), 4 * 51 + 3);
  EXPECT_EQ(dictionaryIndex(ChordFamily::Minor, 16), 35);
  EXPECT_EQ(dictionaryIndex(ChordFamily::Dominant, 0), 36);
  for (int i = 0; i < kChordTypeCount; ++i) {
    const FamilyType ft = familyTypeOf(i);
    EXPECT_EQ(dictionaryIndex(ft.family, ft.type), i);
    EXPECT_LT(ft.type, familyInfo(ft.family).typeCount);
  }
}

TEST(ChordDictionaryTest, LoadsVoicingsOneToThreeFromFirstFileAndFourToSixFromSecond) {
  TempFolder folder;
  folder.write(kChordTypeFileName, buildChordTypeFile());
  writeFamily(folder, ChordFamily::Dominant);

  const auto chords = LoadChordVoicings(folder.path(), ChordFamily::Dominant, 25, 11);
  for (int v = 0; v < 6; ++v) {
    EXPECT_EQ(recordNumberOf(chords[v]), 933 + v % 3) << "voicing " << v + 1;
    EXPECT_EQ(chords[v].beginFret, v < 3 ? 1 : 2);
  }
  const ChordDiagram& d = chords[0];
  EXPECT_EQ(d.empty, 0);
  EXPECT_EQ(d.name.view(), "13sus(b9)");
  EXPECT_EQ(d.formula.view(), "1 4 5 b7 b9 13");
  EXPECT_EQ(d.tuningName.view(), "Standard");
  EXPECT_EQ(d.tuning, kStandardTuning);
  EXPECT_EQ(d.root, 11);
  EXPECT_EQ(d.bass, 35);
  EXPECT_EQ(d.intervals, (std::array<std::uint8_t, 7>{0, 1, 5, 7, 9, 10, 255}));
  // Sounding strings get tuning + fret; the muted string stays 0.
  EXPECT_EQ(d.pitches[0], 64 + d.strings[0].fret);
  EXPECT_EQ(d.pitches[1], 59 + d.strings[1].fret);
  EXPECT_EQ(d.pitches[2], 55);
  EXPECT_EQ(d.pitches[5], 0);
}

TEST(ChordDictionaryTest, MissingShapeFileGivesTheNoticeText) {
  for (int missing = 1; missing <= 2; ++missing) {
    TempFolder folder;
    folder.write(kChordTypeFileName, buildChordTypeFile());
    const auto& info = familyInfo(ChordFamily::Major);
    if (missing != 1) folder.write(std::string(info.shapeFile1), numberedShapeFile(info, 1));
    if (missing != 2) folder.write(std::string(info.shapeFile2), numberedShapeFile(info, 2));
    try {
      LoadChordVoicings(folder.path(), ChordFamily::Major, 0, 0);
      FAIL() << "no error without shape file " << missing;
    } catch (const DictionaryError& e) {
      EXPECT_EQ(e.kind(), DictionaryError::Kind::ChordFilesMissing);
      EXPECT_STREQ(e.what(), "Could Not Find Chord Data Files.");
    }
  }
}

TEST(ChordDictionaryTest, ShortOrMissingFilesAreReadErrorsNotCrashes) {
  TempFolder folder;
  writeFamily(folder, ChordFamily::Minor);
  // No kvcd3.dat: the shape files exist, so this is a read failure, not the notice.
  try {
    LoadChordVoicings(folder.path(), ChordFamily::Minor, 0, 0);
    FAIL();
  } catch (const DictionaryError& e) {
    EXPECT_EQ(e.kind(), DictionaryError::Kind::ReadFailed);
    EXPECT_NE(std::string(e.what()).find("kvcd3.dat"), std::string::npos);
  }
  auto types = buildChordTypeFile();
  types.resize(61 * 44 + 10);  // the last record cut short
  folder.write(kChordTypeFileName, types);
  EXPECT_NO_THROW(ReadChordType(folder.path(), 60));
  EXPECT_THROW(ReadChordType(folder.path(), 61), DictionaryError);
  EXPECT_THROW(ForEachChordType(folder.path(), [](int, const ChordTypeRecord&) {}), DictionaryError);
  EXPECT_THROW(ReadChordType(folder.path(), 62), DictionaryError);

  folder.write(kChordTypeFileName, buildChordTypeFile());
  auto shapes = numberedShapeFile(familyInfo(ChordFamily::Minor), 2);
  shapes.resize(shapes.size() - 1);
  folder.write("kvmi2.dat", shapes);
  EXPECT_NO_THROW(LoadChordVoicings(folder.path(), ChordFamily::Minor, 16, 10));
  EXPECT_THROW(LoadChordVoicings(folder.path(), ChordFamily::Minor, 16, 11), DictionaryError);
  EXPECT_THROW(LoadChordVoicings(folder.path(), ChordFamily::Minor, 17, 0), DictionaryError);
}

TEST(ChordDictionaryTest, ForEachChordTypeVisitsAllRecordsInOrderWithFullIntervalLists) {
  TempFolder folder;
  folder.write(kChordTypeFileName, buildChordTypeFile());
  std::vector<int> order;
  ForEachChordType(folder.path(), [&](int i, const ChordTypeRecord& r) {
    order.push_back(i);
    EXPECT_EQ(r.name.view(), ReadChordType(folder.path(), i).name.view());
  });
  ASSERT_EQ(order.size(), 62u);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
  // m13 uses all seven entries: no terminator to stop at.
  const auto m13 = ReadChordType(folder.path(), 29);
  EXPECT_EQ(m13.name.view(), "m13");
  EXPECT_TRUE(std::none_of(m13.intervals.begin(), m13.intervals.end(), [](auto i) { return i == 255; }));
}

// Semitones of the interval names a formula is written in.
int semitonesOf(const std::string& name) {
  static const std::map<std::string, int> table{{"1", 0},   {"b2", 1},  {"2", 2},   {"b3", 3}, {"3", 4},
                                                {"4", 5},   {"b5", 6},  {"5", 7},   {"#5", 8}, {"6", 9},
                                                {"b7", 10}, {"7", 11},  {"b9", 1},  {"9", 2},  {"#9", 3},
                                                {"11", 5},  {"#11", 6}, {"b13", 8}, {"13", 9}};
  const auto it = table.find(name);
  return it == table.end() ? -1 : it->second;
}

TEST(ChordDictionaryTest, EveryTypeIsSpelledByItsFormulaAndAgreesWithItsName) {
  for (const auto& t : chordTypeDefinitions()) {
    SCOPED_TRACE(std::string(t.name));
    EXPECT_LE(t.name.size(), 15u);
    EXPECT_LE(t.formula.size(), 20u);
    std::vector<int> fromFormula;
    std::istringstream words{std::string(t.formula)};
    for (std::string w; words >> w;) {
      ASSERT_GE(semitonesOf(w), 0) << w;
      fromFormula.push_back(semitonesOf(w));
    }
    std::sort(fromFormula.begin(), fromFormula.end());
    std::vector<int> stored;
    for (auto i : t.intervals)
      if (i != 255) stored.push_back(i);
    EXPECT_EQ(stored, fromFormula);
    EXPECT_EQ(stored.front(), 0);
    EXPECT_TRUE(std::adjacent_find(stored.begin(), stored.end(), std::greater_equal<>()) == stored.end());
    // 255 only after the used entries.
    const auto firstUnused = std::find(t.intervals.begin(), t.intervals.end(), 255);
    EXPECT_TRUE(std::all_of(firstUnused, t.intervals.end(), [](auto i) { return i == 255; }));

    auto has = [&](int i) { return std::find(stored.begin(), stored.end(), i) != stored.end(); };
    const std::string n(t.name);
    auto says = [&n](const char* part) { return n.find(part) != std::string::npos; };
    if (says("maj7") || says("addmaj7") || says("ma9")) EXPECT_TRUE(has(11));
    if (says("b5")) EXPECT_TRUE(has(6));
    if (says("#5") || says("aug")) EXPECT_TRUE(has(8));
    if (says("b9")) EXPECT_TRUE(has(1));
    if (says("#9")) EXPECT_TRUE(has(3));
    if (says("#11")) EXPECT_TRUE(has(6));
    if (says("13") || says("6")) EXPECT_TRUE(has(9));
    if (says("sus")) EXPECT_TRUE(has(5));
    if (says("sus") && !says("add3")) EXPECT_FALSE(has(4) || has(3));
    const FamilyType ft = familyTypeOf(static_cast<int>(&t - chordTypeDefinitions().data()));
    if (ft.family == ChordFamily::Minor) EXPECT_TRUE(has(3)) << "minor family without b3";
    if (ft.family == ChordFamily::Dominant) {
      EXPECT_TRUE(has(10)) << "dominant without b7";
      EXPECT_FALSE(has(11));
    }
  }
}

}  // namespace
}  // namespace strumly
