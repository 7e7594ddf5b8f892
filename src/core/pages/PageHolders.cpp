#include "core/pages/PageHolders.h"

#include <algorithm>

namespace strumly {

void PageHolders::clearChordPage() {
  for (auto& diagram : chordPage)
    for (ChordDiagram& chord : diagram) chord.empty = 1;
  chordSetCount = 0;
}

void PageHolders::clearDesignGroup() {
  for (ChordDiagram& chord : designGroup) chord.empty = 1;
}

void PageHolders::clearScalePage() {
  for (ScaleDiagram& scale : scalePage) scale.empty = 1;
  scaleSetCount = 0;
}

void PageHolders::clearPrintPage() {
  for (auto& column : printPage)
    for (PrintCell& cell : column) cell.empty = 1;
}

void PageHolders::reset() {
  clearChordPage();
  clearDesignGroup();
  clearScalePage();
  clearPrintPage();
  designChord = emptyDesignChord();
  heldChord.empty = 1;
  heldCell.empty = 1;
  chordPageChord.empty = 1;
  printPageCell.empty = 1;
  currentScale.empty = 1;
}

int PageHolders::usedDesignSlots() const {
  return static_cast<int>(std::count_if(designGroup.begin(), designGroup.end(),
                                        [](const ChordDiagram& c) { return !c.isEmpty(); }));
}

int PageHolders::usedPrintCells() const {
  int used = 0;
  for (const auto& column : printPage)
    for (const PrintCell& cell : column) used += cell.isEmpty() ? 0 : 1;
  return used;
}

}  // namespace strumly
