#include <gtest/gtest.h>

#include "core/pages/PageLayout.h"

using namespace strumly;

TEST(PageLayout, ChordAndScalePagesHitTheirGrid) {
  for (DiagramPage page : {DiagramPage::Chords, DiagramPage::Scales}) {
    EXPECT_EQ(pageHitTest(page, 20, 20), (GridCell{0, 0}));
    EXPECT_EQ(pageHitTest(page, 1, 5), (GridCell{0, 0}));  // left of and above the grid still counts
    EXPECT_EQ(pageHitTest(page, 139, 169), (GridCell{0, 0}));
    EXPECT_EQ(pageHitTest(page, 140, 170), (GridCell{1, 1}));
    EXPECT_EQ(pageHitTest(page, 739, 769), (GridCell{5, 4}));
    EXPECT_EQ(pageHitTest(page, 740, 100), std::nullopt);  // column 6 does not exist
    EXPECT_EQ(pageHitTest(page, 741, 100), std::nullopt);
    EXPECT_EQ(pageHitTest(page, 100, 770), std::nullopt);  // row 5 does not exist
    EXPECT_EQ(pageHitTest(page, 100, 771), std::nullopt);
  }
}

TEST(PageLayout, PrintRowsFollowTheirHundredSixtyPixelPitch) {
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 2), (GridCell{0, 0}));
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 161), (GridCell{0, 0}));
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 162), (GridCell{0, 1}));
  // The bottom of row 3's diagram (38 + 480 + 119) is still row 3, not row 4 as a 150 pitch would say.
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 637), (GridCell{0, 3}));
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 770), (GridCell{0, 4}));
  EXPECT_EQ(pageHitTest(DiagramPage::Print, 30, 771), std::nullopt);
  // Every diagram pixel of every print cell maps back to that cell.
  for (int row = 0; row < kGridRows; ++row) {
    const PixelPoint o = smallDiagramOrigin(DiagramPage::Print, {2, row});
    const int bottom = std::min(o.y + kSmallDiagramHeight - 1, 770);
    EXPECT_EQ(pageHitTest(DiagramPage::Print, o.x, o.y), (GridCell{2, row}));
    EXPECT_EQ(pageHitTest(DiagramPage::Print, o.x + kSmallDiagramWidth - 1, bottom), (GridCell{2, row}));
  }
  EXPECT_EQ(designSlotHitTest(0), 0);
  EXPECT_EQ(designSlotHitTest(75), 0);
  EXPECT_EQ(designSlotHitTest(76), 1);
  EXPECT_EQ(designSlotHitTest(455), 5);
  EXPECT_EQ(designSlotHitTest(456), std::nullopt);
}

TEST(PageLayout, LeftHandedColumnsMirrorTheStrings) {
  const MarkerColumns right = markerColumns(false);
  const MarkerColumns left = markerColumns(true);
  EXPECT_EQ(right.small, (std::array<int, 6>{91, 76, 61, 46, 31, 16}));
  EXPECT_EQ(left.small, (std::array<int, 6>{16, 31, 46, 61, 76, 91}));
  EXPECT_EQ(right.tiny, (std::array<int, 6>{53, 44, 35, 26, 17, 8}));
  EXPECT_EQ(left.tiny, (std::array<int, 6>{8, 17, 26, 35, 44, 53}));
}

TEST(PageLayout, MarkerRowsOfChordsAndScales) {
  EXPECT_EQ(chordMarkerRow(0, 5), 0);
  EXPECT_EQ(chordMarkerRow(3, 3), 1);
  EXPECT_EQ(chordMarkerRow(8, 3), 6);
  EXPECT_EQ(chordMarkerRow(9, 3), std::nullopt);
  EXPECT_EQ(chordMarkerRow(2, 3), std::nullopt);

  const RowRange open = scalePositionRows(1, 5);
  EXPECT_EQ(open.first, 0);
  EXPECT_EQ(open.last, 4);
  const RowRange up = scalePositionRows(8, 5);
  EXPECT_EQ(up.first, 1);
  EXPECT_EQ(up.last, 5);
  EXPECT_EQ(scalePositionRows(12, 6).last, 6);
}

TEST(PageLayout, DiagramOriginsAndFrames) {
  EXPECT_EQ(smallDiagramOrigin(DiagramPage::Chords, {2, 3}), (PixelPoint{260, 480}));
  EXPECT_EQ(smallDiagramOrigin(DiagramPage::Print, {2, 3}), (PixelPoint{260, 518}));
  EXPECT_EQ(selectionFrame(DiagramPage::Scales, {1, 2}), (PixelRect{140, 331, 245, 458}));
  EXPECT_EQ(selectionFrame(DiagramPage::Print, {1, 2}), (PixelRect{142, 361, 243, 480}));
  EXPECT_EQ(designSelectionFrame(3), (PixelRect{228, 0, 304, 110}));
  EXPECT_EQ(scaleBlankArea(DiagramPage::Print, {0, 1}), (PixelRect{21, 192, 124, 314}));
}

TEST(PageLayout, NextDiagramOfSetsWrapsAcrossUsedSets) {
  EXPECT_EQ(nextSetDiagram({0, 0}, 0), std::nullopt);
  EXPECT_EQ(nextSetDiagram({2, 1}, 3), (GridCell{3, 1}));
  EXPECT_EQ(nextSetDiagram({5, 1}, 3), (GridCell{0, 2}));
  EXPECT_EQ(nextSetDiagram({5, 2}, 3), (GridCell{0, 0}));
  EXPECT_EQ(nextSetDiagram({5, 4}, 5), (GridCell{0, 0}));
  EXPECT_EQ(nextSetDiagram({-1, -1}, 2), (GridCell{0, 0}));
}

TEST(PageLayout, NextDesignSlotAndPrintCellNeedTwoUsed) {
  EXPECT_EQ(nextDesignSlot(1, {false, true, false, false, false, false}), std::nullopt);
  EXPECT_EQ(nextDesignSlot(1, {false, true, false, false, true, false}), 4);
  EXPECT_EQ(nextDesignSlot(4, {false, true, false, false, true, false}), 1);
  EXPECT_EQ(nextDesignSlot(-1, {false, true, false, false, true, false}), 1);

  PrintUsage used{};
  used[3][0] = true;
  EXPECT_EQ(nextPrintCell({3, 0}, used), std::nullopt);
  used[1][2] = true;
  EXPECT_EQ(nextPrintCell({3, 0}, used), (GridCell{1, 2}));  // row order: rest of row 0, then row 1, 2
  EXPECT_EQ(nextPrintCell({1, 2}, used), (GridCell{3, 0}));  // after row 4 back to row 0
  used[5][0] = true;
  EXPECT_EQ(nextPrintCell({3, 0}, used), (GridCell{5, 0}));
}
