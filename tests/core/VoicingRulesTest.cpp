// The playing rules on hand-made shapes, and the finger assignment on shapes whose fingering every
// guitar method teaches.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/voicings/VoicingRules.h"
#include "core/voicings/VoicingSeeds.h"

namespace strumly {
namespace {

const ChordTypeDefinition& type(std::string_view name) {
  const auto types = chordTypeDefinitions();
  return *std::find_if(types.begin(), types.end(), [&](const auto& t) { return t.name == name; });
}

VoicingRecord shape(std::string_view lowToHigh) {
  const auto v = makeVoicing(parseShape(lowToHigh));
  EXPECT_TRUE(v.has_value()) << lowToHigh;
  return v.value_or(VoicingRecord{});
}

// Finger codes lowest string first, as a chord book prints them ("x32010" -> "x32010").
std::string fingers(const VoicingRecord& v) {
  std::string s;
  for (int i = kStringCount - 1; i >= 0; --i)
    s += v.strings[i].finger == kFingerMuted ? 'x' : static_cast<char>('0' + v.strings[i].finger);
  return s;
}

// Frets lowest string first, -1 muted, for shapes above fret 9.
VoicingRecord frets(std::array<int, 6> lowToHigh) {
  FretPattern f{};
  for (int i = 0; i < 6; ++i) f[5 - i] = lowToHigh[i];
  const auto v = makeVoicing(f);
  EXPECT_TRUE(v.has_value());
  return v.value_or(VoicingRecord{});
}

bool breaks(const VoicingRecord& v, const ChordTypeDefinition& t, PitchClass root, VoicingRule rule) {
  const auto r = checkVoicing(v, t, root);
  return std::find(r.begin(), r.end(), rule) != r.end();
}

TEST(VoicingRulesTest, TextbookFingerings) {
  EXPECT_EQ(fingers(shape("x32010")), "x32010");  // C
  EXPECT_EQ(fingers(shape("320003")), "210003");  // G
  EXPECT_EQ(fingers(shape("022100")), "023100");  // E
  EXPECT_EQ(fingers(shape("xx0232")), "xx0132");  // D
  EXPECT_EQ(fingers(shape("xx0211")), "xx0211");  // Dm7, index across two strings
  EXPECT_EQ(fingers(shape("x02210")), "x02310");  // Am
  EXPECT_EQ(fingers(shape("133211")), "134211");  // F, index barre
  EXPECT_EQ(fingers(shape("x35553")), "x13331");  // C, A-form with the ring finger flat
  EXPECT_EQ(fingers(shape("x21202")), "x21304");  // B7
  EXPECT_EQ(fingers(shape("x32334")), "x21334");  // C9#5: a partial barre inside one fret
  // Five frets under four fingers, and a barre over an open string, cannot be held.
  EXPECT_FALSE(assignFingers(parseShape("x12345")).has_value());
  VoicingRecord overOpen = shape("133211");
  overOpen.strings[2] = {0, kFingerOpen};  // the index barre would stop the open G string
  EXPECT_TRUE(breaks(overOpen, type("maj"), 5, VoicingRule::Fingering));
}

TEST(VoicingRulesTest, TonesOfTheChord) {
  EXPECT_TRUE(checkVoicing(shape("x32010"), type("maj"), 0).empty());
  EXPECT_TRUE(breaks(shape("x32010"), type("minor"), 0, VoicingRule::ChordTonesOnly));
  // C7 without its fifth is fine; a C triad without its fifth is not.
  EXPECT_TRUE(checkVoicing(shape("x32310"), type("7"), 0).empty());
  EXPECT_TRUE(breaks(frets({-1, 3, 2, 5, 5, -1}), type("maj"), 0, VoicingRule::RequiredTones));
  // Cmaj13 may drop its ninth; C13b9 may not drop the flat nine that names it.
  EXPECT_TRUE(checkVoicing(shape("x3x455"), type("maj13"), 0).empty());
  EXPECT_TRUE(breaks(frets({8, -1, 8, 9, 10, -1}), type("13b9"), 0, VoicingRule::RequiredTones));
  EXPECT_TRUE(checkVoicing(frets({8, -1, 8, 9, 10, -1}), type("13"), 0).empty());
  // A sus chord needs its fourth, not a third.
  EXPECT_TRUE(checkVoicing(shape("x33011"), type("sus4"), 0).empty());
  EXPECT_TRUE(breaks(shape("x32011"), type("sus4"), 0, VoicingRule::ChordTonesOnly));
  EXPECT_TRUE(breaks(shape("xxxx10"), type("maj"), 0, VoicingRule::RequiredTones));  // too few strings
}

TEST(VoicingRulesTest, SpanRowsAndMutedStrings) {
  EXPECT_TRUE(isDropShapeGap(shape("8x998x")));  // Cmaj7, drop shape
  EXPECT_TRUE(checkVoicing(shape("8x998x"), type("maj7"), 0).empty());
  EXPECT_TRUE(breaks(shape("x3x0x0"), type("maj"), 0, VoicingRule::InnerMutedString));
  EXPECT_TRUE(breaks(shape("x32x10"), type("maj"), 0, VoicingRule::InnerMutedString));

  VoicingRecord wide = shape("x32010");
  wide.strings[0] = {5, 4};  // high E at fret 5 (A): a chord tone of C6 but five frets apart
  EXPECT_TRUE(breaks(wide, type("6"), 0, VoicingRule::FretSpan));
  VoicingRecord moved = shape("x35553");
  EXPECT_EQ(moved.beginFret, 3);
  moved.beginFret = 1;
  EXPECT_TRUE(breaks(moved, type("maj"), 0, VoicingRule::DiagramRows));
  EXPECT_EQ(shape("x32010").beginFret, 1);
}

TEST(VoicingRulesTest, FingeringFaults) {
  VoicingRecord v = shape("x32010");
  std::swap(v.strings[4].finger, v.strings[1].finger);  // finger 1 on fret 3, finger 3 on fret 1
  EXPECT_TRUE(breaks(v, type("maj"), 0, VoicingRule::Fingering));
  v = shape("x32010");
  v.strings[3].finger = 1;  // one finger on frets 2 and 1
  EXPECT_TRUE(breaks(v, type("maj"), 0, VoicingRule::Fingering));
  v = shape("x32010");
  v.strings[2] = {0, 3};  // an open string with a finger code
  EXPECT_TRUE(breaks(v, type("maj"), 0, VoicingRule::RecordCodes));
  v = shape("x35553");
  v.strings[2].finger = 4;  // the ring finger's barre broken by the little finger inside it
  EXPECT_TRUE(breaks(v, type("maj"), 0, VoicingRule::Fingering));
}

TEST(VoicingRulesTest, RulesOverTheSixVoicings) {
  using Set = std::array<VoicingRecord, 6>;
  auto has = [](const std::vector<VoicingRule>& r, VoicingRule rule) {
    return std::find(r.begin(), r.end(), rule) != r.end();
  };
  const Set good{shape("x32010"),
                 shape("x35553"),
                 shape("875558"),
                 frets({8, 10, 10, 9, 8, 8}),
                 frets({-1, -1, 10, 12, 13, 12}),
                 frets({-1, 15, 14, 12, 13, 12})};
  EXPECT_TRUE(checkVoicingSet(good, 0).empty());

  Set reversed = good;
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_TRUE(has(checkVoicingSet(reversed, 0), VoicingRule::NotAscending));

  Set twice = good;
  twice[5] = twice[4];
  EXPECT_TRUE(has(checkVoicingSet(twice, 0), VoicingRule::Duplicate));

  const Set low{shape("x32010"), shape("x35553"), shape("032010"),
                shape("332010"), shape("x3555x"), shape("x32013")};
  EXPECT_TRUE(has(checkVoicingSet(low, 0), VoicingRule::TooFewRegions));

  Set inverted = good;
  inverted[0] = shape("032010");  // C over E
  EXPECT_TRUE(has(checkVoicingSet(inverted, 0), VoicingRule::FirstNotRoot));
  inverted[1] = shape("x7555x");              // E in the bass
  inverted[2] = frets({-1, -1, 5, 5, 5, 8});  // G in the bass
  const auto r = checkVoicingSet(inverted, 0);
  EXPECT_TRUE(has(r, VoicingRule::TooFewRootBass));
}

}  // namespace
}  // namespace strumly
