// Placing notes on the staff: positions, columns, accidentals and ledger lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "core/views/StaffLayout.h"

namespace strumly {
namespace {

NoteSet notesOf(std::initializer_list<int> pitches) {
  NoteSet set{};
  for (int p : pitches) set[static_cast<std::size_t>(p)] = 1;
  return set;
}

std::vector<StaffMark> glyphs(const StaffLayout& layout, StaffGlyph glyph) {
  std::vector<StaffMark> out;
  std::copy_if(layout.marks.begin(), layout.marks.end(), std::back_inserter(out),
               [&](const StaffMark& m) { return m.glyph == glyph; });
  return out;
}

TEST(StaffLayout, PositionsOfNaturalsAndFlats) {
  EXPECT_EQ(staffPosition(60), 35);  // middle C
  EXPECT_EQ(staffPosition(61), 36);  // D flat
  EXPECT_EQ(staffPosition(64), 37);
  EXPECT_EQ(staffPosition(70), 41);  // B flat
  EXPECT_EQ(staffPosition(40), 23);  // the low E string
}

TEST(StaffLayout, CMajorChordInStandardTuning) {
  const StaffLayout layout = layoutStaff(notesOf({48, 52, 55, 60, 64}));
  const auto heads = glyphs(layout, StaffGlyph::NoteHead);
  ASSERT_EQ(heads.size(), 5u);
  EXPECT_EQ(layout.marks.size(), 5u) << "naturals need no accidental";
  EXPECT_EQ(layout.positions, (std::vector<int>{28, 30, 32, 35, 37}));
  for (std::size_t i = 0; i < heads.size(); ++i) {
    const int p = layout.positions[i];
    EXPECT_EQ(heads[i].x, p % 2 == 0 ? 93 : 65);
    EXPECT_EQ(heads[i].y, 132 - 3 * (p - 19));
  }
  // Ledger lines for the odd positions 35, 33, 31, 29 down to C3.
  EXPECT_EQ(layout.ledgerLineYs, (std::vector<int>{86, 92, 98, 104}));
}

TEST(StaffLayout, CAndCSharpSpellDFlat) {
  const StaffLayout layout = layoutStaff(notesOf({60, 61}));
  EXPECT_EQ(layout.positions, (std::vector<int>{35, 36}));
  const auto flats = glyphs(layout, StaffGlyph::Flat);
  ASSERT_EQ(flats.size(), 1u);
  EXPECT_EQ(flats[0], (StaffMark{StaffGlyph::Flat, 81, 128 - 3 * 17}));
  EXPECT_TRUE(glyphs(layout, StaffGlyph::Sharp).empty());
}

TEST(StaffLayout, DAndDFlatSpellCSharp) {
  const StaffLayout layout = layoutStaff(notesOf({62, 61}));
  EXPECT_EQ(layout.positions, (std::vector<int>{36, 35}));
  const auto sharps = glyphs(layout, StaffGlyph::Sharp);
  ASSERT_EQ(sharps.size(), 1u);
  EXPECT_EQ(sharps[0], (StaffMark{StaffGlyph::Sharp, 54, 128 - 3 * 16}));
  EXPECT_TRUE(glyphs(layout, StaffGlyph::Flat).empty());
}

TEST(StaffLayout, CDFlatAndDKeepTheFlatBesideANatural) {
  const StaffLayout layout = layoutStaff(notesOf({60, 61, 62}));
  EXPECT_EQ(layout.positions, (std::vector<int>{35, 36, 36}));
  const auto heads = glyphs(layout, StaffGlyph::NoteHead);
  ASSERT_EQ(heads.size(), 3u);
  EXPECT_EQ(heads[2], (StaffMark{StaffGlyph::NoteHead, 93 + 5, 132 - 3 * 17}));
  const auto flats = glyphs(layout, StaffGlyph::Flat);
  const auto naturals = glyphs(layout, StaffGlyph::Natural);
  ASSERT_EQ(flats.size(), 1u);
  ASSERT_EQ(naturals.size(), 1u);
  EXPECT_EQ(flats[0].x, 81 + 6);
  EXPECT_EQ(naturals[0].x, 81);
  EXPECT_EQ(naturals[0].y, flats[0].y);
}

TEST(StaffLayout, AccidentalColumnsAlternateWithThePosition) {
  // Bb3, Eb4, Ab4 and Db5 sit on positions 34, 37, 40 and 43: all four accidental columns.
  const StaffLayout layout = layoutStaff(notesOf({58, 63, 68, 73}));
  const auto flats = glyphs(layout, StaffGlyph::Flat);
  ASSERT_EQ(flats.size(), 4u);
  for (std::size_t i = 0; i < flats.size(); ++i) {
    const int p = layout.positions[i];
    const int x = p % 2 == 0 ? (p % 4 == 0 ? 81 : 82) : (p % 4 == 1 ? 53 : 54);
    EXPECT_EQ(flats[i].x, x) << p;
  }
}

TEST(StaffLayout, LedgerLinesAboveTheStaff) {
  const StaffLayout layout = layoutStaff(notesOf({84}));  // C6, position 49
  EXPECT_EQ(layout.ledgerLineYs, (std::vector<int>{44, 50}));
  EXPECT_TRUE(layoutStaff(notesOf({72})).ledgerLineYs.empty()) << "C5 sits inside the staff";
}

TEST(StaffLayout, EmptyAndOutOfRangeSets) {
  EXPECT_TRUE(layoutStaff(NoteSet{}).marks.empty());
  // Pitches whose positions fall off the picture are left out, even at the top of the range.
  const StaffLayout layout = layoutStaff(notesOf({0, 1, 20, 110, 126, 127}));
  EXPECT_TRUE(layout.marks.empty());
  EXPECT_TRUE(layout.ledgerLineYs.empty());
}

}  // namespace
}  // namespace strumly
