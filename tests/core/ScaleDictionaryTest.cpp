// The scale dictionary: its reader against missing, short and odd files, and the shipped scales
// against their formulas and the mode families they belong to.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "core/scales/ScaleDictionary.h"

namespace strumly {
namespace {

namespace fs = std::filesystem;

class ScaleFolder {
 public:
  ScaleFolder() {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            ("strumly-scales-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
  }
  ~ScaleFolder() { fs::remove_all(path_); }
  void write(const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path_ / kScaleFileName, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::vector<int> notesOf(const std::array<std::uint8_t, 10>& intervals) {
  return {intervals.begin(), intervals.begin() + scaleNoteCount(intervals)};
}

// The scale that starts on degree `degree` of `parent`.
std::vector<int> mode(const std::vector<int>& parent, int degree) {
  std::vector<int> out;
  for (std::size_t i = 0; i < parent.size(); ++i)
    out.push_back((parent[(i + degree) % parent.size()] - parent[degree] + 12) % 12);
  return out;
}

std::vector<int> byCaption(std::string_view caption) {
  for (const auto& s : scaleDefinitions())
    if (s.caption == caption) return notesOf(s.intervals);
  ADD_FAILURE() << "no scale " << caption;
  return {};
}

TEST(ScaleDictionaryTest, ReaderGivesRecordsAndTheMissingFileNotice) {
  ScaleFolder folder;
  try {
    ReadScaleRecord(folder.path(), 0);
    FAIL();
  } catch (const DictionaryError& e) {
    EXPECT_EQ(e.kind(), DictionaryError::Kind::ScaleFileMissing);
    EXPECT_STREQ(e.what(), "Could Not Find Scale Data File.");
  }

  const auto bytes = buildScaleFile();
  ASSERT_EQ(bytes.size(), 1739u);
  folder.write(bytes);
  for (int n = 0; n < kScaleRecordCount; ++n) {
    const ScaleRecord r = ReadScaleRecord(folder.path(), n);
    EXPECT_EQ(r.intervals, scaleDefinitions()[n].intervals);
    EXPECT_EQ(r.formula.view(), scaleDefinitions()[n].formula);
  }
  EXPECT_THROW(ReadScaleRecord(folder.path(), 47), DictionaryError);
  EXPECT_THROW(ReadScaleRecord(folder.path(), -1), DictionaryError);

  // A file cut inside the last record: earlier records still read, the cut one is an error.
  folder.write({bytes.begin(), bytes.end() - 5});
  EXPECT_NO_THROW(ReadScaleRecord(folder.path(), 45));
  try {
    ReadScaleRecord(folder.path(), 46);
    FAIL();
  } catch (const DictionaryError& e) {
    EXPECT_EQ(e.kind(), DictionaryError::Kind::ReadFailed);
  }
}

TEST(ScaleDictionaryTest, TenNoteScalesAndOverlongTextsAreReadSafely) {
  ScaleFolder folder;
  std::vector<std::uint8_t> record{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 200};  // ten notes, no 99; length 200
  record.resize(ScaleRecord::kSize, 'x');
  folder.write(record);
  const ScaleRecord r = ReadScaleRecord(folder.path(), 0);
  EXPECT_EQ(scaleNoteCount(r.intervals), 10);
  EXPECT_EQ(r.formula.size(), 26u);  // the length byte is capped at the field's capacity

  ScaleDiagram set;
  applyScaleRecord(r, set);
  EXPECT_EQ(set.empty, 0);
  EXPECT_EQ(set.intervals, r.intervals);
  EXPECT_EQ(set.formula.view(), r.formula.view());
}

int degreeSemitones(const std::string& name) {
  static const std::map<char, int> natural{{'1', 0}, {'2', 2}, {'3', 4}, {'4', 5},
                                           {'5', 7}, {'6', 9}, {'7', 11}};
  int shift = 0;
  std::size_t i = 0;
  for (; i < name.size() && (name[i] == 'b' || name[i] == '#'); ++i) shift += name[i] == 'b' ? -1 : 1;
  if (i + 1 != name.size() || !natural.count(name[i])) return -100;
  return (natural.at(name[i]) + shift + 12) % 12;
}

TEST(ScaleDictionaryTest, ShippedScalesAreSpelledByTheirFormulas) {
  for (const auto& s : scaleDefinitions()) {
    SCOPED_TRACE(std::string(s.caption));
    EXPECT_LE(s.formula.size(), 26u);
    const auto notes = notesOf(s.intervals);
    ASSERT_GE(notes.size(), 5u);
    EXPECT_EQ(notes.front(), 0);
    EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end()));
    EXPECT_TRUE(std::adjacent_find(notes.begin(), notes.end()) == notes.end());
    EXPECT_LT(notes.back(), 12);
    EXPECT_TRUE(std::all_of(s.intervals.begin() + static_cast<long>(notes.size()), s.intervals.end(),
                            [](auto i) { return i == kScaleEnd; }));
    std::vector<int> spelled;
    std::istringstream words{std::string(s.formula)};
    for (std::string w; words >> w;) spelled.push_back(degreeSemitones(w));
    EXPECT_EQ(spelled, notes);
  }
}

TEST(ScaleDictionaryTest, ModesAreRotationsOfTheirParents) {
  const auto major = byCaption("Ionian (Major)");
  const char* church[] = {"Ionian (Major)", "Dorian (Minor)",          "Phrygian", "Lydian",
                          "Mixolydian",     "Aeolian (Natural Minor)", "Locrian"};
  for (int d = 0; d < 7; ++d) EXPECT_EQ(byCaption(church[d]), mode(major, d)) << church[d];

  const auto hm = byCaption("Harmonic Minor (HM)");
  const auto jm = byCaption("Jazz/Melodic Minor (JM)");
  const char* hmModes[] = {"HM 2", "HM 3", "HM 4", "HM 5", "HM 6", "HM 7"};
  const char* jmModes[] = {"JM 2", "JM 3", "JM 4 (Overtone)", "JM 5", "JM 6", "JM 7 (Super Locrian)"};
  for (int d = 1; d < 7; ++d) {
    EXPECT_EQ(byCaption(hmModes[d - 1]), mode(hm, d)) << hmModes[d - 1];
    EXPECT_EQ(byCaption(jmModes[d - 1]), mode(jm, d)) << jmModes[d - 1];
  }
  EXPECT_EQ(byCaption("Ascending Minor"), jm);
  EXPECT_EQ(byCaption("Minor Pentatonic"), mode(byCaption("Major Pentatonic"), 4));
  EXPECT_EQ(byCaption("Half-Whole"), mode(byCaption("Diminished"), 7));
  EXPECT_EQ(byCaption("Half Diminished"), byCaption("JM 6"));
  EXPECT_EQ(byCaption("Plain Mi7b5"), byCaption("Locrian"));
}

}  // namespace
}  // namespace strumly
