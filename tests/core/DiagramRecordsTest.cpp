#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/pages/DiagramRecords.h"
#include "core/pages/PageHolders.h"
#include "core/pages/RecordConversions.h"

using namespace strumly;

namespace {

template <std::size_t N>
std::array<std::uint8_t, N> bytesOf(const auto& record) {
  std::array<std::uint8_t, N> out{};
  writeRecord(record, out);
  return out;
}

// A byte image with every byte distinct from its neighbours and valid text lengths.
template <std::size_t N>
std::array<std::uint8_t, N> patterned(std::initializer_list<std::pair<std::size_t, std::uint8_t>> lengths) {
  std::array<std::uint8_t, N> in{};
  for (std::size_t i = 0; i < N; ++i) in[i] = static_cast<std::uint8_t>(0x80 + (i * 7) % 0x7F);
  for (auto [offset, length] : lengths) in[offset] = length;
  return in;
}

ChordDiagram sampleChord() {
  ChordDiagram c;
  c.empty = 0;
  c.name = "m7b5";
  c.tuningName = "D A D G B E ";
  c.formula = "1 b3 b5 b7";
  c.tuning = {64, 59, 55, 50, 45, 38};
  for (std::size_t s = 0; s < 6; ++s)
    c.strings[s] = {static_cast<std::uint8_t>(s + 3), static_cast<std::uint8_t>(s % 7)};
  c.intervals = {0, 3, 6, 10, 255, 255, 255};
  c.pitches = {67, 63, 60, 56, 0, 46};
  c.beginFret = 3;
  c.root = 11;
  c.bass = 35;
  return c;
}

}  // namespace

TEST(DiagramRecords, ChordFieldsSitAtTheirOffsets) {
  const auto b = bytesOf<ChordDiagram::kSize>(sampleChord());
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(b[1], 4);
  EXPECT_EQ(std::string(b.begin() + 2, b.begin() + 6), "m7b5");
  EXPECT_EQ(b[17], 12);
  EXPECT_EQ(b[18], 'D');
  EXPECT_EQ(b[33], 10);
  EXPECT_EQ(b[34], '1');
  EXPECT_EQ(std::vector<int>(b.begin() + 54, b.begin() + 60), (std::vector<int>{64, 59, 55, 50, 45, 38}));
  EXPECT_EQ(b[60], 3);  // string 0 fret
  EXPECT_EQ(b[61], 0);  // string 0 finger
  EXPECT_EQ(b[70], 8);  // string 5 fret
  EXPECT_EQ(b[71], 5);  // string 5 finger
  EXPECT_EQ(std::vector<int>(b.begin() + 72, b.begin() + 79), (std::vector<int>{0, 3, 6, 10, 255, 255, 255}));
  EXPECT_EQ(std::vector<int>(b.begin() + 79, b.begin() + 85), (std::vector<int>{67, 63, 60, 56, 0, 46}));
  EXPECT_EQ(b[85], 3);
  EXPECT_EQ(b[86], 11);
  EXPECT_EQ(b[87], 35);
  EXPECT_EQ(readChordDiagram(b), sampleChord());
}

TEST(DiagramRecords, ScaleAndPrintFieldsSitAtTheirOffsets) {
  ScaleDiagram s;
  s.empty = 0;
  s.name = "Dorian (Minor)";
  s.tuningName = "Standard";
  s.formula = "1 2 b3 4 5 6 b7";
  s.intervals = {0, 2, 3, 5, 7, 9, 10, 99, 99, 99};
  s.beginFrets = {1, 4, 8, 12, 16, 20};
  s.root = 2;
  const auto sb = bytesOf<ScaleDiagram::kSize>(s);
  EXPECT_EQ(sb[1], 14);
  EXPECT_EQ(sb[2], 'D');
  EXPECT_EQ(sb[28], 8);
  EXPECT_EQ(sb[44], 15);
  EXPECT_EQ(sb[71], 64);
  EXPECT_EQ(sb[76], 40);
  EXPECT_EQ(sb[77], 0);
  EXPECT_EQ(sb[84], 99);
  EXPECT_EQ(std::vector<int>(sb.begin() + 87, sb.begin() + 93), (std::vector<int>{1, 4, 8, 12, 16, 20}));
  EXPECT_EQ(sb[93], 2);
  EXPECT_EQ(readScaleDiagram(sb), s);

  PrintCell c = chordToCell(sampleChord());
  const auto cb = bytesOf<PrintCell::kSize>(c);
  EXPECT_EQ(cb[0], 0);
  EXPECT_EQ(cb[1], 1);
  EXPECT_EQ(cb[2], 4);
  EXPECT_EQ(cb[29], 12);
  EXPECT_EQ(cb[45], 10);
  EXPECT_EQ(cb[72], 64);
  EXPECT_EQ(cb[78], 3);
  EXPECT_EQ(cb[89], 5);
  EXPECT_EQ(std::vector<int>(cb.begin() + 90, cb.begin() + 100),
            (std::vector<int>{0, 3, 6, 10, 255, 255, 255, 255, 255, 255}));
  EXPECT_EQ(cb[100], 67);
  EXPECT_EQ(cb[106], 3);
  EXPECT_EQ(cb[107], 11);
  EXPECT_EQ(cb[108], 35);
  EXPECT_EQ(readPrintCell(cb), c);
}

TEST(DiagramRecords, ReadThenWriteGivesBackEveryByte) {
  // Bytes past a text's length are whatever the writer left there; they must survive.
  const auto chordBytes = patterned<ChordDiagram::kSize>({{1, 5}, {17, 15}, {33, 0}});
  EXPECT_EQ(bytesOf<ChordDiagram::kSize>(readChordDiagram(chordBytes)), chordBytes);
  const auto scaleBytes = patterned<ScaleDiagram::kSize>({{1, 26}, {28, 3}, {44, 20}});
  EXPECT_EQ(bytesOf<ScaleDiagram::kSize>(readScaleDiagram(scaleBytes)), scaleBytes);
  const auto cellBytes = patterned<PrintCell::kSize>({{2, 1}, {29, 0}, {45, 26}});
  EXPECT_EQ(bytesOf<PrintCell::kSize>(readPrintCell(cellBytes)), cellBytes);
}

TEST(DiagramRecords, DamagedLengthIsCutToTheField) {
  auto bytes = patterned<ChordDiagram::kSize>({{1, 200}, {17, 16}, {33, 21}});
  const ChordDiagram c = readChordDiagram(bytes);
  EXPECT_EQ(c.name.size(), 15u);
  EXPECT_EQ(c.tuningName.size(), 15u);
  EXPECT_EQ(c.formula.size(), 20u);
  const auto written = bytesOf<ChordDiagram::kSize>(c);
  EXPECT_EQ(written[1], 15);
  EXPECT_EQ(written[33], 20);
  // Nothing past the text spills into the next field.
  EXPECT_TRUE(std::equal(written.begin() + 54, written.end(), bytes.begin() + 54));
}

TEST(DiagramRecords, LongTextsAreCutWhenStored) {
  ChordDiagram c;
  c.name = "a chord name that is far too long";
  EXPECT_EQ(c.name.str(), "a chord name th");
}

TEST(DiagramRecords, FreshDesignChordAndPitches) {
  ChordDiagram c = emptyDesignChord();
  EXPECT_FALSE(c.isEmpty());
  EXPECT_EQ(c.tuningName.str(), "Standard");
  EXPECT_EQ(c.tuning, kStandardTuning);
  for (const StringFret& sf : c.strings) EXPECT_EQ(sf, (StringFret{0, kFingerMuted}));
  EXPECT_EQ(c.intervals[0], 0);
  EXPECT_TRUE(std::all_of(c.intervals.begin() + 1, c.intervals.end(), [](auto i) { return i == 255; }));
  EXPECT_EQ(c.bass, 24);

  // A muted string keeps its fret but sounds nothing.
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {3, kFingerMuted}};
  updatePitches(c);
  EXPECT_EQ(c.pitches, (std::array<PitchNumber, 6>{64, 60, 55, 52, 48, 0}));
}

TEST(RecordConversions, ChordThroughACellComesBackUnchanged) {
  const ChordDiagram chord = sampleChord();
  const PrintCell cell = chordToCell(chord);
  EXPECT_EQ(cell.isChord, 1);
  EXPECT_EQ(cell.intervals[7], 255);
  EXPECT_EQ(cell.intervals[9], 255);
  EXPECT_EQ(cellToChord(cell), chord);
}

TEST(RecordConversions, CellTextsAreCutToChordFields) {
  PrintCell cell;
  cell.empty = 0;
  cell.isChord = 1;
  cell.name = "abcdefghijklmnopqrstuvwxyz";
  cell.formula = "1 2 3 4 5 6 7 8 9 10 11 12 13";
  const ChordDiagram chord = cellToChord(cell);
  EXPECT_EQ(chord.name.str(), "abcdefghijklmno");
  EXPECT_EQ(chord.formula.str(), "1 2 3 4 5 6 7 8 9 10");  // 20 of its 29 characters
}

TEST(RecordConversions, ScaleCellCarriesOnePositionsFret) {
  ScaleDiagram scale;
  scale.empty = 0;
  scale.name = "Hungarian Minor";
  scale.intervals = {0, 2, 3, 6, 7, 8, 11, 99, 1, 2};
  scale.root = 9;
  PrintCell cell = scaleToCell(scale);
  EXPECT_EQ(cell.isChord, 0);
  EXPECT_EQ(cell.intervals, scale.intervals);
  cell.beginFret = 8;  // the sender stores the position it sent
  const ScaleDiagram back = cellToScale(cell);
  EXPECT_EQ(back.beginFrets, (std::array<std::uint8_t, 6>{8, 8, 8, 8, 8, 8}));
  EXPECT_EQ(back.name.str(), "Hungarian Minor");
  EXPECT_EQ(back.intervals, scale.intervals);
  EXPECT_EQ(back.root, 9);
}

TEST(PageHolders, ResetFreesEveryPageAndNothingIsHeld) {
  PageHolders holders;
  holders.chordAt(3, 4).empty = 0;
  holders.chordSetCount = 5;
  holders.designGroup[2].empty = 0;
  holders.designGroup[5].empty = 0;
  holders.cellAt(5, 4).empty = 0;
  holders.heldChord.empty = 0;
  holders.designChord.name = "changed";
  EXPECT_EQ(holders.usedDesignSlots(), 2);
  EXPECT_EQ(holders.usedPrintCells(), 1);
  holders.reset();
  EXPECT_TRUE(holders.chordAt(3, 4).isEmpty());
  EXPECT_EQ(holders.chordSetCount, 0);
  EXPECT_EQ(holders.usedDesignSlots(), 0);
  EXPECT_EQ(holders.usedPrintCells(), 0);
  EXPECT_TRUE(holders.heldChord.isEmpty());
  EXPECT_EQ(holders.designChord, emptyDesignChord());
}
