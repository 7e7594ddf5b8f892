// LED frames as the guitar's output reports, with every expected byte worked out by hand from the
// LED numbering: LED k of a block is byte 6 - k / 8, bit 0x80 >> k % 8.
#include <gtest/gtest.h>

#include "core/fretlight/LedReports.h"

namespace strumly {
namespace {

const LedReport kEmptyBlock1 = {0, 0, 0, 0, 0, 0, 0, 1};
const LedReport kEmptyBlock2 = {0, 0, 0, 0, 0, 0, 0, 2};
const LedReport kEmptyBlock3 = {0, 0, 0, 0, 0, 0, 0, 3};

LedFrame frameWith(std::initializer_list<std::pair<int, int>> fretStrings) {
  LedFrame frame;
  for (const auto& [fret, string] : fretStrings) frame.light(fret, string, false);
  return frame;
}

TEST(LedReportsTest, SingleLedsLandOnTheirBlockByteAndBit) {
  const LedReports first = ledReports(frameWith({{0, 0}}), Hand::Right);
  EXPECT_EQ(first[0], (LedReport{0, 0, 0, 0, 0, 0, 0x80, 1}));
  EXPECT_EQ(first[1], kEmptyBlock2);
  EXPECT_EQ(first[2], kEmptyBlock3);

  // Fret 21 string 5: block 3, LED 6 x 5 + 5 = 35 -> byte 2, bit 0x80 >> 3.
  const LedReports last = ledReports(frameWith({{21, 5}}), Hand::Right);
  EXPECT_EQ(last[0], kEmptyBlock1);
  EXPECT_EQ(last[2], (LedReport{0, 0, 0x10, 0, 0, 0, 0, 3}));

  // Fret 15 string 5 closes block 2: LED 47 -> byte 1 bit 0x01. Fret 8 string 1 opens it: LED 1
  // -> byte 6 bit 0x40. Fret 9 string 2: LED 8 -> byte 5 bit 0x80.
  const LedReports middle = ledReports(frameWith({{15, 5}, {8, 1}, {9, 2}}), Hand::Right);
  EXPECT_EQ(middle[1], (LedReport{0, 0x01, 0, 0, 0, 0x80, 0x40, 2}));
}

TEST(LedReportsTest, LeftHandedFramesSwapTheStrings) {
  // String 0 takes the place of string 5: LED 5 -> byte 6 bit 0x04.
  EXPECT_EQ(ledReports(frameWith({{0, 0}}), Hand::Left)[0], (LedReport{0, 0, 0, 0, 0, 0, 0x04, 1}));
  // Fret 21 string 5 becomes LED 30 -> byte 3 bit 0x02.
  EXPECT_EQ(ledReports(frameWith({{21, 5}}), Hand::Left)[2], (LedReport{0, 0, 0, 0x02, 0, 0, 0, 3}));
}

TEST(LedReportsTest, OnlyTheLitByteCounts) {
  LedFrame frame;
  frame.cells[3][2].root = 1;  // a root that is not showing right now (root flash off phase)
  EXPECT_EQ(ledReports(frame, Hand::Right)[0], kEmptyBlock1);
}

TEST(LedReportsTest, AFullFrameLeavesTheUnusedBitsOfTheLastBlockClear) {
  LedFrame frame;
  for (int fret = 0; fret < kLedFrets; ++fret)
    for (int string = 0; string < 6; ++string) frame.light(fret, string, false);
  const LedReports reports = ledReports(frame, Hand::Right);
  EXPECT_EQ(reports[0], (LedReport{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1}));
  // Block 3 has 6 frets = 36 LEDs: bytes 6..3 full, byte 2 the top four bits.
  EXPECT_EQ(reports[2], (LedReport{0, 0, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 3}));
}

TEST(LedReportsTest, FillsSetEveryLedByteOfEveryBlock) {
  const LedReports on = filledLedReports(0xFF);
  EXPECT_EQ(on[0], (LedReport{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1}));
  EXPECT_EQ(on[2], (LedReport{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 3}));
  const LedReports off = filledLedReports(0x00);
  EXPECT_EQ(off, (LedReports{kEmptyBlock1, kEmptyBlock2, kEmptyBlock3}));
}

}  // namespace
}  // namespace strumly
