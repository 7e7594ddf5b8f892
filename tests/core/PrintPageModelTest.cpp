#include <gtest/gtest.h>

#include "core/pages/PrintPageModel.h"

using namespace strumly;

namespace {

// A press in the middle of a cell's diagram.
int xOf(int column) {
  return 20 + 120 * column + 60;
}
int yOf(int row) {
  return 160 * row + 100;
}

PrintCell chordCell(PitchClass root, std::uint8_t bass, const char* name) {
  PrintCell cell;
  cell.empty = 0;
  cell.isChord = 1;
  cell.root = root;
  cell.bass = bass;
  cell.name = name;
  cell.intervals = {0, 3, 7, 10, 255, 255, 255, 255, 255, 255};
  return cell;
}

PrintCell scaleCell() {
  PrintCell cell;
  cell.empty = 0;
  cell.isChord = 0;
  cell.root = 9;  // A natural minor
  cell.name = " Aeolian ";
  cell.intervals = {0, 2, 3, 5, 7, 8, 10, 99, 0, 0};
  return cell;
}

}  // namespace

TEST(PrintPageModel, ACarriedCellDropsOnAnEmptyCellAndAsksBeforeReplacing) {
  PageHolders holders;
  PrintPageModel model(holders);
  holders.cellAt(1, 0) = scaleCell();
  holders.heldCell = chordCell(0, 24, "m7");
  model.startPlacement();

  const PrintPress empty = model.press(xOf(2), yOf(3), false);
  EXPECT_EQ(empty.outcome, PrintPress::Outcome::Selected);
  EXPECT_EQ(holders.cellAt(2, 3), holders.heldCell);
  EXPECT_EQ(model.selection(), (GridCell{2, 3}));
  EXPECT_EQ(holders.printPageCell, holders.heldCell);
  EXPECT_EQ(model.carry(), PrintCarry::None);

  model.startPlacement();
  const PrintPress used = model.press(xOf(1), yOf(0), false);
  EXPECT_EQ(used.outcome, PrintPress::Outcome::AskReplace);
  EXPECT_EQ(holders.cellAt(1, 0), scaleCell());  // nothing replaced before the answer
  model.drop();
  EXPECT_EQ(holders.cellAt(1, 0), holders.heldCell);

  // A right press lets a sent cell go without dropping it.
  model.startPlacement();
  EXPECT_EQ(model.press(xOf(4), yOf(4), true).outcome, PrintPress::Outcome::PlacementEnded);
  EXPECT_TRUE(holders.cellAt(4, 4).isEmpty());
  EXPECT_EQ(model.carry(), PrintCarry::None);
}

TEST(PrintPageModel, DeletingTheSelectedCellSelectsTheFirstUsedAndTheLastClearsThePage) {
  PageHolders holders;
  PrintPageModel model(holders);
  holders.cellAt(5, 0) = chordCell(2, 26, "");
  holders.cellAt(0, 1) = chordCell(4, 28, "");
  holders.cellAt(3, 2) = scaleCell();
  model.press(xOf(3), yOf(2), false);
  ASSERT_EQ(model.selection(), (GridCell{3, 2}));

  model.press(xOf(3), yOf(2), true);
  ASSERT_TRUE(model.deleteNeedsQuestion());
  const PrintPageModel::Deleted first = model.deleteTarget();
  EXPECT_TRUE(first.selectionMoved);
  // Row order: (5, 0) comes before (0, 1).
  EXPECT_EQ(model.selection(), (GridCell{5, 0}));
  EXPECT_EQ(holders.printPageCell, holders.cellAt(5, 0));

  model.press(xOf(0), yOf(1), true);
  EXPECT_FALSE(model.deleteTarget().selectionMoved);  // another cell than the selected one
  model.press(xOf(5), yOf(0), true);
  const PrintPageModel::Deleted last = model.deleteTarget();
  EXPECT_TRUE(last.pageCleared);
  EXPECT_FALSE(model.anyUsed());
  EXPECT_EQ(model.selection(), std::nullopt);
  EXPECT_TRUE(holders.printPageCell.isEmpty());
}

TEST(PrintPageModel, ThePopupSendsChordsToChordPagesAndScalesToTheScalePage) {
  PageHolders holders;
  PrintPageModel model(holders);
  holders.cellAt(0, 0) = chordCell(0, 24, "");
  holders.cellAt(1, 0) = scaleCell();
  EXPECT_EQ(model.press(xOf(1), yOf(0), true).outcome, PrintPress::Outcome::ArmPopup);
  PrintPopupItems items = model.popupItems();
  EXPECT_TRUE(items.sendToScale);
  EXPECT_FALSE(items.sendToDesign);
  EXPECT_FALSE(items.sendToPlay);
  model.press(xOf(0), yOf(0), true);
  items = model.popupItems();
  EXPECT_FALSE(items.sendToScale);
  EXPECT_TRUE(items.sendToDesign && items.sendToPlay);
  EXPECT_EQ(model.press(xOf(2), yOf(0), true).outcome, PrintPress::Outcome::Ignored);  // an empty cell
  EXPECT_EQ(model.press(741, 10, false).outcome, PrintPress::Outcome::Ignored);
}

TEST(PrintPageModel, AMovedCellDropsElsewhereOrGoesBackWhenLetGo) {
  PageHolders holders;
  PrintPageModel model(holders);
  const PrintCell chord = chordCell(7, 31, "7");
  holders.cellAt(2, 2) = chord;
  model.press(xOf(2), yOf(2), true);
  ASSERT_TRUE(model.moveTarget());
  EXPECT_TRUE(holders.cellAt(2, 2).isEmpty());
  EXPECT_EQ(model.carry(), PrintCarry::Moving);

  model.press(xOf(0), yOf(0), true);  // let go: the diagram is not lost
  EXPECT_EQ(holders.cellAt(2, 2), chord);

  model.press(xOf(2), yOf(2), true);
  model.moveTarget();
  model.press(xOf(4), yOf(1), false);
  EXPECT_EQ(holders.cellAt(4, 1), chord);
  EXPECT_TRUE(holders.cellAt(2, 2).isEmpty());
  EXPECT_EQ(model.selection(), (GridCell{4, 1}));
}

TEST(PrintPageModel, CellLinesNameTheChordOrScaleAndItsNotes) {
  const NoteNames flats;
  // C m7 over G: C Eb G Bb.
  const auto chord = printCellLines(chordCell(0, 24 + 7, " m7  "), flats);
  EXPECT_EQ(chord[0], "C m7 /G");
  EXPECT_EQ(chord[1], "C Eb G Bb");
  EXPECT_EQ(printCellLines(chordCell(0, 24, "m7"), flats)[0], "C m7");
  const auto scale = printCellLines(scaleCell(), flats);
  EXPECT_EQ(scale[0], "A Aeolian");
  EXPECT_EQ(scale[1], "A B C D E F G");
}

TEST(PrintPageModel, TabTextPrintsFiftySixLinesASheetUnderNumberedHeadings) {
  EXPECT_EQ(textSheetCount(0), 0u);
  EXPECT_EQ(textSheetCount(56), 1u);
  EXPECT_EQ(textSheetCount(57), 2u);
  EXPECT_EQ(textSheetCount(120), 3u);
  const std::vector<TextSheet> sheets = textSheets(120, "Strumly!: song.tab", 2, 9);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].heading, "Strumly!: song.tab Page: 2");
  EXPECT_EQ(sheets[0].firstLine, 56u);
  EXPECT_EQ(sheets[0].lineCount, 56u);
  EXPECT_EQ(sheets[1].heading, "Strumly!: song.tab Page: 3");
  EXPECT_EQ(sheets[1].firstLine, 112u);
  EXPECT_EQ(sheets[1].lineCount, 8u);
}
