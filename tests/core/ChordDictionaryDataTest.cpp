// The shipped chord dictionary: it is exactly what the generator makes, and every one of its
// 4,464 voicings keeps the playing rules. Failures name the chord and key.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/chords/ChordDictionary.h"
#include "core/scales/ScaleDictionary.h"
#include "core/voicings/ChordDictionaryWriter.h"
#include "core/voicings/VoicingRules.h"
#include "core/voicings/VoicingSeeds.h"

namespace strumly {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(STRUMLY_SOURCE_DIR) / "data";

std::vector<std::uint8_t> readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<VoicingSet>& table() {
  static const std::vector<VoicingSet> t = generateVoicingTable();
  return t;
}

std::string chordLabel(int type, int key) {
  return std::string(kFlatNames[key]) + " " + std::string(chordTypeDefinitions()[type].name);
}

// Chords whose notes leave no set that keeps every rule: fewer than four shapes with the root in
// the bass exist, or every shape at or above the lowest root-position one lies in two regions.
struct Exception {
  int type;
  int key;
  VoicingRule rule;
};
constexpr Exception kExceptions[] = {
    {51, 2, VoicingRule::TooFewRootBass},  // D 13b5b9
    {51, 8, VoicingRule::TooFewRootBass},  // Ab 13b5b9
    {54, 2, VoicingRule::TooFewRootBass},  // D 7(b5b9)
    {61, 3, VoicingRule::TooFewRegions},   // Eb 13sus(b9)
    {34, 3, VoicingRule::TooFewRegions},   // Eb m11(b5)
};

bool isDeclaredException(int type, int key, VoicingRule rule) {
  return std::any_of(std::begin(kExceptions), std::end(kExceptions),
                     [&](const Exception& e) { return e.type == type && e.key == key && e.rule == rule; });
}

TEST(ChordDictionaryDataTest, ShippedFilesEqualTheGeneratorsOutput) {
  EXPECT_EQ(readAll(kDataFolder / kChordTypeFileName), buildChordTypeFile());
  EXPECT_EQ(readAll(kDataFolder / kScaleFileName), buildScaleFile());
  for (const auto& f : kFamilies) {
    EXPECT_EQ(readAll(kDataFolder / f.shapeFile1), buildShapeFile(table(), f.family, 1)) << f.shapeFile1;
    EXPECT_EQ(readAll(kDataFolder / f.shapeFile2), buildShapeFile(table(), f.family, 2)) << f.shapeFile2;
  }
}

TEST(ChordDictionaryDataTest, EveryShippedVoicingKeepsThePlayingRules) {
  std::map<VoicingRule, int> broken;
  int voicings = 0;
  for (int t = 0; t < kChordTypeCount; ++t) {
    const FamilyType ft = familyTypeOf(t);
    for (int k = 0; k < kKeyCount; ++k) {
      const auto diagrams = LoadChordVoicings(kDataFolder, ft.family, ft.type, static_cast<PitchClass>(k));
      std::array<VoicingRecord, kVoicingsPerChord> set;
      for (int v = 0; v < kVoicingsPerChord; ++v) {
        set[v].beginFret = diagrams[v].beginFret;
        set[v].strings = diagrams[v].strings;
        ++voicings;
        for (auto rule : checkVoicing(set[v], chordTypeDefinitions()[t], static_cast<PitchClass>(k))) {
          ++broken[rule];
          ADD_FAILURE() << chordLabel(t, k) << " voicing " << v + 1 << ": " << ruleName(rule);
        }
      }
      for (auto rule : checkVoicingSet(set, static_cast<PitchClass>(k))) {
        if (isDeclaredException(t, k, rule)) continue;
        ++broken[rule];
        ADD_FAILURE() << chordLabel(t, k) << ": " << ruleName(rule);
      }
    }
  }
  EXPECT_EQ(voicings, 4464);
  EXPECT_TRUE(broken.empty());
}

TEST(ChordDictionaryDataTest, DeclaredExceptionsAreForcedByTheNotes) {
  for (const auto& e : kExceptions) {
    const auto candidates = voicingCandidates(e.type, static_cast<PitchClass>(e.key));
    const auto& set = table()[static_cast<std::size_t>(e.type * kKeyCount + e.key)];
    if (e.rule == VoicingRule::TooFewRootBass) {
      const auto rooted =
          std::count_if(candidates.begin(), candidates.end(), [](const auto& c) { return c.rootBass; });
      EXPECT_LT(rooted, 4) << chordLabel(e.type, e.key);
      EXPECT_EQ(std::count_if(set.begin(), set.end(), [&](const auto& v) { return hasRootInBass(v, e.key); }),
                rooted)
          << chordLabel(e.type, e.key) << ": every root-position shape is used";
    } else {
      int lowestRooted = 99;
      for (const auto& c : candidates)
        if (c.rootBass) lowestRooted = std::min(lowestRooted, neckPosition(c.voicing));
      std::set<int> regions;
      for (const auto& c : candidates)
        if (neckPosition(c.voicing) >= lowestRooted) regions.insert(neckRegion(c.voicing));
      EXPECT_LT(regions.size(), 3u) << chordLabel(e.type, e.key);
    }
  }
}

}  // namespace
}  // namespace strumly
