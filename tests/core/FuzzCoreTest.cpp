// The seed corpora of the core harnesses (pitch helpers, diagram records, dictionary readers)
// replayed as unit tests, and the faults fuzzing found there, kept as regression tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "../../fuzz/checks/Corpus.h"
#include "../../fuzz/checks/DictionaryCheck.h"
#include "../../fuzz/checks/PitchCheck.h"
#include "../../fuzz/checks/RecordCheck.h"

using namespace strumly;
namespace fs = std::filesystem;

TEST(FuzzCorpus, EverySeedKeepsThePitchAndRecordInvariants) {
  auto pitch = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/pitch");
  auto records = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/records");
  ASSERT_FALSE(pitch.empty());
  ASSERT_GE(records.size(), 5u);
  for (const auto& f : pitch) EXPECT_EQ(fuzz::checkPitchInput(f.bytes.data(), f.bytes.size()), "") << f.name;
  for (const auto& f : records)
    EXPECT_EQ(fuzz::checkRecordInput(f.bytes.data(), f.bytes.size()), "") << f.name;
}

TEST(FuzzCorpus, EverySeedKeepsTheDictionaryReaderInvariants) {
  auto seeds = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/dictionary");
  ASSERT_GE(seeds.size(), 5u);
  const fs::path folder = fs::temp_directory_path() / ("strumly-fuzzdict-" + std::to_string(::getpid()));
  for (const auto& f : seeds)
    EXPECT_EQ(fuzz::checkDictionaryInput(f.bytes.data(), f.bytes.size(), folder), "") << f.name;
  fs::remove_all(folder);
}

TEST(FuzzCorpus, DamagedTextLengthsAreCutToTheirFields) {
  // The broken-lengths seed claims 255, 200 and 21 characters for fields of 15, 15 and 20.
  auto files = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/records");
  auto it =
      std::find_if(files.begin(), files.end(), [](const auto& f) { return f.name == "broken-lengths.bin"; });
  ASSERT_NE(it, files.end());
  ChordDiagram c = readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize>(it->bytes.data(), 88));
  EXPECT_EQ(c.name.size(), 15u);
  EXPECT_EQ(c.tuningName.size(), 15u);
  EXPECT_EQ(c.formula.str(), std::string(20, 'x'));
}

TEST(PitchExtremes, AnyIntNamesAPitchAndStepsWithoutOverflow) {
  // Found by fuzz_pitch: both helpers overflowed int before they clamped or wrapped.
  NoteNames names;
  EXPECT_EQ(names.nameWithOctave(INT_MIN), names.nameWithOctave(kLowestOpenString));
  EXPECT_EQ(names.nameWithOctave(INT_MAX), names.nameWithOctave(kHighestOpenString));
  const int span = kHighestOpenString - kLowestOpenString + 1;
  EXPECT_EQ(stepOpenString(60, INT_MAX), stepOpenString(60, INT_MAX % span));
  EXPECT_EQ(stepOpenString(33, INT_MIN), stepOpenString(33, INT_MIN % span));
  for (int current : {0, 33, 69, 255}) {
    auto p = stepOpenString(static_cast<PitchNumber>(current), INT_MAX);
    EXPECT_GE(p, kLowestOpenString);
    EXPECT_LE(p, kHighestOpenString);
  }
}

// The play page harness's seeds: current and older pairs, foreign marks and damaged files.
#include "../../fuzz/checks/PlayPageCheck.h"

TEST(FuzzCorpus, EverySeedKeepsThePlayPageFileInvariants) {
  auto seeds = fuzz::corpusFiles(fs::path(STRUMLY_SOURCE_DIR) / "fuzz/corpus/playpage");
  ASSERT_GE(seeds.size(), 10u);
  const fs::path folder = fs::temp_directory_path() / ("strumly-fuzzplaypage-" + std::to_string(::getpid()));
  for (const auto& f : seeds)
    EXPECT_EQ(fuzz::checkPlayPageInput(f.bytes.data(), f.bytes.size(), folder), "") << f.name;
  fs::remove_all(folder);
}
